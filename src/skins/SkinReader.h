#pragma once

#include "skins/SkinInfo.h"
#include "skins/SkinStatus.h"

#include <QCoreApplication>
#include <QImage>
#include <QString>
#include <filesystem>
#include <optional>

struct AppContext;
class QWidget;

// Reads skin files for the windows of both programs. Every refusal is shown to
// the user through the prompter before the empty result is returned, so a
// caller only looks at the result.
class SkinReader
{
    Q_DECLARE_TR_FUNCTIONS(SkinReader)

public:
    explicit SkinReader(AppContext &ctx);
    // title: the program's own, on the warnings (the notes program's when left out).
    SkinReader(AppContext &ctx, const QString &title);

    // Checks the skin and reads its picture straight from the skin file: nothing is written,
    // so no other user of the temporary folder can block or read it. A null picture when
    // the file was refused. info, when given, gets the header.
    QImage ExtractSkinImage(const QString &skinPath, QWidget *parent = nullptr,
                            SkinInfo *info = nullptr);

    // The header texts, version unchecked; a file that is not there gives
    // five empty texts. Empty when the file is damaged (after telling the user).
    std::optional<SkinInfo> ReadSkinInfo(const QString &skinPath, QWidget *parent = nullptr);

    // What the last call found, for callers that act on the kind of refusal.
    SkinStatus lastStatus() const { return m_lastStatus; }

    // Whether the file holds a picture that loads, whatever its name says.
    static bool isPicture(const std::filesystem::path &path);
    static std::filesystem::path toPath(const QString &path);

private:
    void tell(SkinStatus status, QWidget *parent) const;

    AppContext &m_ctx;
    QString m_title;
    SkinStatus m_lastStatus = SkinStatus::Ok;
};
