// SPDX-License-Identifier: GPL-3.0-or-later
#include "tundkastplugin.h"

#include <tundkast/tkarvukast.h>
#include <tundkast/tkkellakast.h>
#include <tundkast/tkkuupkast.h>
#include <tundkast/tundkast.h>

#include <QIcon>

TundkastWidgetInterface::TundkastWidgetInterface(const QString &className, const QString &header,
                                                 const QString &instanceName, QObject *parent)
    : QObject(parent), m_className(className), m_header(header), m_instanceName(instanceName)
{
}

QIcon TundkastWidgetInterface::icon() const
{
    return {};
}

QString TundkastWidgetInterface::toolTip() const
{
    return Tundkast::controlDescription(QStringLiteral("Tundkast.") + m_className);
}

QString TundkastWidgetInterface::whatsThis() const
{
    return toolTip();
}

QString TundkastWidgetInterface::domXml() const
{
    // The persisted limits are listed so that Designer writes them into
    // every form, also when they keep their first values.
    QString properties;
    if (m_className == QLatin1String("TKArvuKast")) {
        properties = QStringLiteral("  <property name=\"lubanegarv\"><bool>false</bool></property>\n"
                                    "  <property name=\"lubanull\"><bool>false</bool></property>\n"
                                    "  <property name=\"maksimaalnev\"><number>0</number></property>\n"
                                    "  <property name=\"minimaalnev\"><number>0</number></property>\n"
                                    "  <property name=\"maxpikkus\"><number>0</number></property>\n");
    } else if (m_className == QLatin1String("TKKuupKast")) {
        properties = QStringLiteral("  <property name=\"maksimum\"><number>2299</number></property>\n"
                                    "  <property name=\"miinimum\"><number>100</number></property>\n");
    }
    return QStringLiteral("<ui language=\"c++\">\n"
                          " <widget class=\"%1\" name=\"%2\">\n"
                          "%3"
                          " </widget>\n"
                          "</ui>\n")
        .arg(m_className, m_instanceName, properties);
}

QWidget *TundkastWidgetInterface::createWidget(QWidget *parent)
{
    return Tundkast::createControl(QStringLiteral("Tundkast.") + m_className, parent);
}

TundkastDesignerPlugin::TundkastDesignerPlugin(QObject *parent)
    : QObject(parent)
{
    m_widgets << new TundkastWidgetInterface(QStringLiteral("TKArvuKast"),
                                             QStringLiteral("tundkast/tkarvukast.h"),
                                             QStringLiteral("takArv"), this)
              << new TundkastWidgetInterface(QStringLiteral("TKKellaKast"),
                                             QStringLiteral("tundkast/tkkellakast.h"),
                                             QStringLiteral("tklKell"), this)
              << new TundkastWidgetInterface(QStringLiteral("TKKuupKast"),
                                             QStringLiteral("tundkast/tkkuupkast.h"),
                                             QStringLiteral("tkpKuupaev"), this);
}
