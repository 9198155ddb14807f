#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <cstdint>

struct AppContext;
class QWidget;

// The values that several forms share for the whole run, and the small
// procedures they all use.
class mdlVariables
{
public:
    static constexpr int HWND_TOPMOST = -1;
    static constexpr int HWND_NOTOPMOST = -2;
    static constexpr std::uint32_t HKEY_CURRENT_USER = 0x80000001u;

    // An open registry key, as RegQueryString takes it.
    struct RegKey
    {
        std::uint32_t hive = 0;
        QString path;
    };

    explicit mdlVariables(AppContext &ctx);

    QString UserName;
    // Indices 0 to TipsCount; the last entry is always empty.
    QStringList Tips;
    int TipsCount() const { return Tips.isEmpty() ? 0 : static_cast<int>(Tips.size()) - 1; }
    bool RandomTips = false;
    bool Greeted = false;
    int AlarmCounter = 0;
    QPoint LastAlertPos;

    // insertAfter HWND_TOPMOST keeps the window above all others,
    // HWND_NOTOPMOST releases it.
    static void SetTopMost(QWidget *form, int insertAfter);
    // The user's temporary folder with its trailing separator.
    static QString GetTempFolder();

    QString RegGetString(std::uint32_t hive, const QString &keyPath,
                         const QString &valueName) const;
    bool RegSetString(std::uint32_t hive, const QString &keyPath, const QString &valueName,
                      const QString &value) const;
    bool RegDeleteString(std::uint32_t hive, const QString &keyPath,
                         const QString &valueName) const;
    QString RegQueryString(const RegKey &openKey, const QString &valueName) const;

    // The program's own options, under its key in HKEY_CURRENT_USER.
    QString Option(const QString &valueName) const;
    // An option compared in lower case with "yes".
    bool OptionIsYes(const QString &valueName) const;

private:
    AppContext &m_ctx;
};
