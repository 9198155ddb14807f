#pragma once

#include <QImage>
#include <QString>

// Turns a picture into a skin file: the picture is stretched to the note's
// background size, made a JPEG and packed behind the header. The window and
// the command line both build through here, so the same picture and texts
// always give the same bytes.
class SkinBuilder
{
public:
    // The note window's background picture, which every skin replaces.
    static constexpr int Width = 261;
    static constexpr int Height = 163;

    // The header texts as the user typed them.
    struct Texts
    {
        QString skinName;
        QString author;
        QString email;
        QString website;
    };

    // The header texts, for naming the one that is refused.
    enum class Field { None, SkinName, Author, Email, Website };

    // A picture file by its content, turned as its camera meant it. Null,
    // with the reader's reason in error, when it cannot be read.
    static QImage loadPicture(const QString &path, QString *error);

    // The picture stretched to Width x Height over white (skins are JPEG,
    // which has no transparency): exactly what a built skin holds.
    static QImage render(const QImage &picture);

    // Why the notes program would refuse these texts, naming the field:
    // longer than a skin file holds, a character the file's code page lacks,
    // or a skin name that cannot become a file name when the skin is
    // installed. Empty when all are fine; field, when given, gets the one
    // refused.
    static QString checkTexts(const Texts &texts, Field *field = nullptr);

    // Writes the skin file at skinPath at JPEG quality 0..100. Everything is
    // checked before anything is written; the work files live in a private
    // temporary folder that is removed afterwards, and an existing skin file
    // is replaced whole or left as it was. False, with the reason in error,
    // when no skin was written.
    static bool build(const QImage &picture, const Texts &texts, int quality,
                      const QString &skinPath, QString *error);
};
