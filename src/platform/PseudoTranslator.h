#pragma once

#include <QTranslator>

// A stand-in language for checking that windows have room for longer captions: every
// caption comes back about 40 % longer, its letters accented, its mnemonic, place
// markers (%1, %n), HTML tags and entities kept as they were.
class PseudoTranslator : public QTranslator
{
    Q_OBJECT

public:
    using QTranslator::QTranslator;

    QString translate(const char *context, const char *sourceText,
                      const char *disambiguation = nullptr, int n = -1) const override;
    bool isEmpty() const override { return false; }

    static QString stretch(const QString &source);
};
