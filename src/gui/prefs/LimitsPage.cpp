// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/prefs/LimitsPage.h"

#include "core/settings/Settings.h"
#include "gui/app/LabelBuddy.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
constexpr int kAmountDigits = 8;

struct LimitRow {
    const char* title;
    const char* warnName;
    const char* warnText;
    const char* limitName;
    const char* tail; // the label of the amount: the three sentences differ only there
    Qt::Alignment currencyAlignment;
};

const LimitRow kRows[] = {
    {QT_TRANSLATE_NOOP("CLimitsPage", "Call Limit"), "WarnCall",
     QT_TRANSLATE_NOOP("CLimitsPage", "Warn me when I reach call limit"), "CallLimit",
     QT_TRANSLATE_NOOP("CLimitsPage", "on &each call."), Qt::AlignRight},
    {QT_TRANSLATE_NOOP("CLimitsPage", "Day limit"), "WarnDay",
     QT_TRANSLATE_NOOP("CLimitsPage", "Warn me when I reach day limit"), "DayLimit",
     QT_TRANSLATE_NOOP("CLimitsPage", "every &day."), Qt::AlignLeft},
    {QT_TRANSLATE_NOOP("CLimitsPage", "Month Limit"), "WarnMonth",
     QT_TRANSLATE_NOOP("CLimitsPage", "Warn me when I reach month limit"), "MonthLimit",
     QT_TRANSLATE_NOOP("CLimitsPage", "every &month."), Qt::AlignLeft},
};

QCheckBox* Check(const QWidget* page, const char* name) {
    return page->findChild<QCheckBox*>(QString::fromLatin1(name));
}
} // namespace

CLimitsPage::CLimitsPage(Prompter& prompter, QWidget* parent)
    : CPreferencesPage(prompter, kHelpId, parent), CLimitsFields(Settings) {
    auto* rows = new QVBoxLayout(this);
    for (const LimitRow& row : kRows) {
        // Made in the order the Tab key visits them: the warning first, then the amount.
        auto* warn = new QCheckBox(tr(row.warnText), this);
        warn->setObjectName(QString::fromLatin1(row.warnName));
        QLineEdit* amount = MakeNumberEdit(row.limitName, kAmountDigits, false);

        // "I can afford to spend [amount] $ on each call."
        auto* group = new QGroupBox(tr(row.title), this);
        auto* sentence = new QHBoxLayout;
        sentence->addWidget(new QLabel(tr("I can afford to spend"), group));
        sentence->addWidget(amount);
        sentence->addWidget(MakeCurrencyLabel(row.currencyAlignment));
        sentence->addWidget(JoinLabel(new QLabel(tr(row.tail), group), amount));
        sentence->addStretch();
        auto* lines = new QVBoxLayout(group);
        lines->addLayout(sentence);
        lines->addWidget(warn);
        rows->addWidget(group);
    }
    // "Also warn at [80] % of each limit", before the limit is passed.
    auto* early = new QHBoxLayout;
    QLineEdit* percent = MakeNumberEdit("EarlyWarningPercent", 2, true);
    early->addWidget(JoinLabel(new QLabel(tr("&Also warn at"), this), percent));
    early->addWidget(percent);
    early->addWidget(new QLabel(tr("% of each limit (0: no early warning)"), this));
    early->addStretch();
    rows->addLayout(early);
    rows->addStretch();
    NameNumberEdits(Numbers());
}

bool CLimitsPage::DoDataExchange(bool saveAndValidate) {
    bool CLimitsFields::*const warns[] = {&CLimitsFields::WarnCall, &CLimitsFields::WarnDay,
                                          &CLimitsFields::WarnMonth};
    for (std::size_t i = 0; i < std::size(warns); ++i) {
        QCheckBox* box = Check(this, kRows[i].warnName);
        if (saveAndValidate)
            this->*warns[i] = box->isChecked();
        else
            box->setChecked(this->*warns[i]);
    }
    return ExchangeNumbers(Numbers(), saveAndValidate);
}

void CLimitsPage::OnOK() {
    CopyTo(Settings);
}
