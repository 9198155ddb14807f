#pragma once

#include <QGroupBox>

class QCheckBox;
class QComboBox;
class QLabel;
class Spelling;

// The spelling part of the options dialog: whether spelling is checked as the user types,
// and in which of the languages Enchant has dictionaries for.
class SpellingOptions : public QGroupBox
{
    Q_OBJECT
public:
    explicit SpellingOptions(QWidget *parent = nullptr);

    QCheckBox *chkSpelling = nullptr;
    QLabel *lblLanguage = nullptr;
    QComboBox *cboLanguage = nullptr;

    // Shows the stored choice (a stored language without a dictionary stays on the list).
    void load(Spelling &spelling);
    // Stores the choice and applies it to every note; false when it could not be stored.
    bool save(Spelling &spelling) const;

signals:
    // The user changed something.
    void Changed();

private:
    void chkSpelling_Click();
};
