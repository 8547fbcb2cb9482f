// SPDX-License-Identifier: GPL-3.0-or-later
#include <tundkast/tundkast.h>

#include <tundkast/tkarvukast.h>
#include <tundkast/tkkellakast.h>
#include <tundkast/tkkuupkast.h>

#include <QMetaClassInfo>

namespace {

std::function<QDate()> &todayProvider()
{
    static std::function<QDate()> provider;
    return provider;
}

template <typename T>
QString descriptionOf()
{
    const QMetaObject &mo = T::staticMetaObject;
    const int i = mo.indexOfClassInfo("Description");
    return i < 0 ? QString() : QString::fromUtf8(mo.classInfo(i).value());
}

} // namespace

namespace Tundkast {

QString version()
{
    return QStringLiteral(TUNDKAST_VERSION_STRING);
}

QString libraryDescription()
{
    return QStringLiteral("Tundkast: täisarvu, kella ja kuupäeva kastid");
}

QString libraryComment()
{
    return QStringLiteral("Sisaldab kolme objekti: kuni 20-kohalise täisarvu kast, kella kast "
                          "ning kuupäeva kast.");
}

QStringList controlClassNames()
{
    return {QStringLiteral("Tundkast.TKArvuKast"), QStringLiteral("Tundkast.TKKellaKast"),
            QStringLiteral("Tundkast.TKKuupKast")};
}

QWidget *createControl(const QString &className, QWidget *parent)
{
    if (className == QLatin1String("Tundkast.TKArvuKast"))
        return new TKArvuKast(parent);
    if (className == QLatin1String("Tundkast.TKKellaKast"))
        return new TKKellaKast(parent);
    if (className == QLatin1String("Tundkast.TKKuupKast"))
        return new TKKuupKast(parent);
    return nullptr;
}

QString controlDescription(const QString &className)
{
    if (className == QLatin1String("Tundkast.TKArvuKast"))
        return descriptionOf<TKArvuKast>();
    if (className == QLatin1String("Tundkast.TKKellaKast"))
        return descriptionOf<TKKellaKast>();
    if (className == QLatin1String("Tundkast.TKKuupKast"))
        return descriptionOf<TKKuupKast>();
    return {};
}

void setTodayProvider(std::function<QDate()> provider)
{
    todayProvider() = std::move(provider);
}

QDate today()
{
    const auto &provider = todayProvider();
    return provider ? provider() : QDate::currentDate();
}

} // namespace Tundkast
