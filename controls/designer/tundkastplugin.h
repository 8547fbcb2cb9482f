// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of Tundkast in Qt Designer's widget box, one interface per
// control, all in the group "Tundkast".
#pragma once

#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <QObject>

class TundkastWidgetInterface : public QObject, public QDesignerCustomWidgetInterface
{
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    TundkastWidgetInterface(const QString &className, const QString &header,
                            const QString &instanceName, QObject *parent);

    QString name() const override { return m_className; }
    QString group() const override { return QStringLiteral("Tundkast"); }
    QIcon icon() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    bool isContainer() const override { return false; }
    QString includeFile() const override { return m_header; }
    QString domXml() const override;
    QWidget *createWidget(QWidget *parent) override;
    bool isInitialized() const override { return m_initialized; }
    void initialize(QDesignerFormEditorInterface *) override { m_initialized = true; }

private:
    QString m_className;
    QString m_header;
    QString m_instanceName;
    bool m_initialized = false;
};

class TundkastDesignerPlugin : public QObject, public QDesignerCustomWidgetCollectionInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)

public:
    explicit TundkastDesignerPlugin(QObject *parent = nullptr);
    QList<QDesignerCustomWidgetInterface *> customWidgets() const override { return m_widgets; }

private:
    QList<QDesignerCustomWidgetInterface *> m_widgets;
};
