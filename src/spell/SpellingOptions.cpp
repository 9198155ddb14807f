#include "spell/SpellingOptions.h"

#include "spell/Spelling.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

namespace {

// "English (United States)" for "en_US"; a tag Qt does not know stays as it is.
QString languageName(const QString &tag)
{
    const QLocale locale(tag);
    if (locale.language() == QLocale::C)
        return tag;
    QString name = QLocale::languageToString(locale.language());
    if (tag.contains(QLatin1Char('_')))
        name += QStringLiteral(" (%1)").arg(QLocale::territoryToString(locale.territory()));
    return name;
}

} // namespace

SpellingOptions::SpellingOptions(QWidget *parent) : QGroupBox(tr("Spelling"), parent)
{
    chkSpelling = new QCheckBox(tr("Check s&pelling as I type"), this);
    lblLanguage = new QLabel(tr("&Language:"), this);
    cboLanguage = new QComboBox(this);
    lblLanguage->setBuddy(cboLanguage);
    cboLanguage->setMinimumContentsLength(10);

    auto *language = new QHBoxLayout;
    language->addWidget(lblLanguage);
    language->addWidget(cboLanguage, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->addWidget(chkSpelling);
    layout->addSpacing(4);
    layout->addLayout(language);

    chkSpelling->setObjectName(QStringLiteral("chkSpelling"));
    cboLanguage->setObjectName(QStringLiteral("cboLanguage"));
    connect(chkSpelling, &QCheckBox::clicked, this, &SpellingOptions::chkSpelling_Click);
    connect(cboLanguage, &QComboBox::activated, this, &SpellingOptions::Changed);
}

void SpellingOptions::load(Spelling &spelling)
{
    const QString chosen = spelling.language();
    QStringList offered = spelling.languages();
    if (!chosen.isEmpty() && !offered.contains(chosen))
        offered.prepend(chosen);
    cboLanguage->clear();
    for (const QString &tag : offered)
        cboLanguage->addItem(languageName(tag), tag);
    cboLanguage->setCurrentIndex(static_cast<int>(offered.indexOf(chosen)));
    // Without any dictionary there is nothing to switch on.
    chkSpelling->setChecked(spelling.wanted() && !offered.isEmpty());
    chkSpelling->setEnabled(!offered.isEmpty());
    cboLanguage->setEnabled(chkSpelling->isChecked());
}

bool SpellingOptions::save(Spelling &spelling) const
{
    // Without dictionaries the user chose nothing: the default holds once one is installed.
    if (!chkSpelling->isEnabled())
        return true;
    return spelling.setOptions(chkSpelling->isChecked(), cboLanguage->currentData().toString());
}

void SpellingOptions::chkSpelling_Click()
{
    cboLanguage->setEnabled(chkSpelling->isChecked());
    emit Changed();
}
