#include "platform/PseudoTranslator.h"

#include <QRegularExpression>

namespace {

QChar accented(QChar c)
{
    static const QString plain = QStringLiteral("aceinouyACEINOUY");
    static const QString marked = QStringLiteral("åçéîñöûÿÅÇÉÎÑÖÛŸ");
    const qsizetype at = plain.indexOf(c);
    return at < 0 ? c : marked.at(at);
}

} // namespace

QString PseudoTranslator::stretch(const QString &source)
{
    // The notes menus' caption syntax ("(#)|A|", "||" or "(-)" before the caption) stays in
    // front; markup, entities and place markers are copied as they are.
    static const QRegularExpression menuSyntax(QStringLiteral(R"(^(\(#\)\|.\||\|\||\(-\)))"));
    static const QRegularExpression kept(QStringLiteral("<[^>]*>|&[A-Za-z0-9#]+;|%L?[0-9]+|%n"));
    const QString syntax = menuSyntax.match(source).captured();
    QString out;
    int letters = 0;
    qsizetype from = syntax.size();
    const auto copyText = [&](qsizetype to) {
        for (; from < to; ++from) {
            const QChar c = source.at(from);
            letters += c.isLetter() ? 1 : 0;
            out += accented(c);
        }
    };
    for (auto it = kept.globalMatch(source, from); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        copyText(match.capturedStart());
        out += match.captured();
        from = match.capturedEnd();
    }
    copyText(source.size());
    if (letters == 0)
        return source;
    // About 40 % more, and a few letters at least, so that short captions grow too.
    const int extra = qMax(3, (letters * 2 + 4) / 5);
    QString pad;
    for (int i = 0; i < extra; ++i)
        pad += i % 2 ? QChar(0x00B7) : QLatin1Char('~');
    return syntax + QLatin1Char('[') + out + QLatin1Char(' ') + pad + QLatin1Char(']');
}

QString PseudoTranslator::translate(const char *context, const char *sourceText,
                                    const char *disambiguation, int n) const
{
    Q_UNUSED(disambiguation)
    Q_UNUSED(n)
    // Qt reads its layout direction and key names through translations: those stay.
    if (!sourceText || qstrcmp(context, "QShortcut") == 0 ||
        qstrcmp(sourceText, "QT_LAYOUT_DIRECTION") == 0)
        return {};
    return stretch(QString::fromUtf8(sourceText));
}
