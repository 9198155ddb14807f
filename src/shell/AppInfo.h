#pragma once

#include <QString>

// The program's fixed names and addresses, kept in one place.
namespace AppInfo {

inline const QString Title = QStringLiteral("Pennyquill");
inline const QString Version = QStringLiteral("1.0");
inline const QString MakerName = QStringLiteral("Corvane");
inline const QString TrayToolTip = QStringLiteral("Corvane Pennyquill");
inline const QString MakerSite = QStringLiteral("https://corvane.example/");
inline const QString SupportEmail = QStringLiteral("support@corvane.example");
// The maker's page and the product page, as opened from the menus.
inline const QString MakerPage = MakerSite + QStringLiteral("?from=pennyquill");
inline const QString ProductPage =
    MakerSite + QStringLiteral("products/pennyquill/?from=pennyquill");
inline const QString RegistryKey = QStringLiteral("Software\\Corvane\\Pennyquill 1.0");

} // namespace AppInfo
