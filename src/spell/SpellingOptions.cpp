#include "spell/SpellingOptions.h"

#include "spell/Spelling.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

SpellingOptions::SpellingOptions(QWidget *parent) : QGroupBox(QStringLiteral("Spelling"), parent)
{
    chkSpelling = new QCheckBox(QStringLiteral("Check s&pelling as I type"), this);
    lblLanguage = new QLabel(QStringLiteral("&Language:"), this);
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
    cboLanguage->addItems(offered);
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
    return spelling.setOptions(chkSpelling->isChecked(), cboLanguage->currentText());
}

void SpellingOptions::chkSpelling_Click()
{
    cboLanguage->setEnabled(chkSpelling->isChecked());
    emit Changed();
}
