// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/prefs/BillingPage.h"

#include "core/platform/SystemClock.h"
#include "core/settings/Settings.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <tuple>
#include <utility>

namespace {
constexpr int kRateDigits = 6;
constexpr int kTimeDigits = 2;

QGroupBox* MakeGroup(const QString& title, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    group->setAlignment(Qt::AlignHCenter);
    return group;
}
} // namespace

CBillingPage::CBillingPage(Prompter& prompter, QWidget* parent)
    : CPreferencesPage(prompter, kHelpId, parent), CBillingFields(Settings),
      now([] { return SystemClock().Now(); }) {
    // Made in the order the Tab key visits them.
    QLineEdit* weekdayDay = MakeNumberEdit("WeekdayDayRate", kRateDigits, false);
    QLineEdit* weekdayNight = MakeNumberEdit("WeekdayNightRate", kRateDigits, false);
    QLineEdit* weekendDay = MakeNumberEdit("WeekendDayRate", kRateDigits, false);
    QLineEdit* weekendNight = MakeNumberEdit("WeekendNightRate", kRateDigits, false);
    QLineEdit* dayHours = MakeNumberEdit("DayStartsHours", kTimeDigits, true);
    QLineEdit* dayMinutes = MakeNumberEdit("DayStartsMinutes", kTimeDigits, true);
    QLineEdit* nightHours = MakeNumberEdit("NightStartsHours", kTimeDigits, true);
    QLineEdit* nightMinutes = MakeNumberEdit("NightStartsMinutes", kTimeDigits, true);
    m_checkBreakIntervals = new QCheckBox(QStringLiteral("Always round call duration to a "), this);
    m_checkBreakIntervals->setObjectName(QStringLiteral("BreakIntervals"));
    m_editIntervals = MakeNumberEdit("Intervals", kTimeDigits, true);

    // Each rate reads "Weekday daytime rate:  $ [2]".
    auto rateGroup = [this](const QString& title, const QString& dayText, QLineEdit* day,
                            const QString& nightText, QLineEdit* night) {
        QGroupBox* group = MakeGroup(title, this);
        auto* grid = new QGridLayout(group);
        int row = 0;
        for (const auto& [text, edit] : {std::pair{dayText, day}, std::pair{nightText, night}}) {
            grid->addWidget(new QLabel(text, group), row, 0);
            grid->addWidget(MakeCurrencyLabel(Qt::AlignRight), row, 1);
            grid->addWidget(edit, row, 2);
            ++row;
        }
        grid->setColumnStretch(0, 1);
        return group;
    };
    QGroupBox* weekdays = rateGroup(QStringLiteral("Weekdays"), QStringLiteral("Weekday daytime rate:"),
                                    weekdayDay, QStringLiteral("Weekday nighttime rate:"), weekdayNight);
    QGroupBox* weekends = rateGroup(QStringLiteral("Weekends"), QStringLiteral("Weekend daytime rate:"),
                                    weekendDay, QStringLiteral("Weekend nighttime rate:"), weekendNight);

    // Each time reads "\"Daytime\" starts at [6] : [30] AM".
    QGroupBox* time = MakeGroup(QStringLiteral("Time"), this);
    auto* timeGrid = new QGridLayout(time);
    const std::tuple<QString, QLineEdit*, QLineEdit*, QString> times[] = {
        {QStringLiteral("\"Daytime\" starts at"), dayHours, dayMinutes, QStringLiteral("AM")},
        {QStringLiteral("\"Night\" starts at"), nightHours, nightMinutes, QStringLiteral("PM")}};
    int row = 0;
    for (const auto& [text, hours, minutes, half] : times) {
        timeGrid->addWidget(new QLabel(text, time), row, 0, Qt::AlignRight);
        timeGrid->addWidget(hours, row, 1);
        timeGrid->addWidget(new QLabel(QStringLiteral(":"), time), row, 2);
        timeGrid->addWidget(minutes, row, 3);
        timeGrid->addWidget(new QLabel(half, time), row, 4);
        ++row;
    }
    m_textPeriods = new QLabel(time);
    m_textPeriods->setObjectName(QStringLiteral("m_textPeriods"));
    m_textPeriods->setTextFormat(Qt::PlainText);
    m_textPeriods->setWordWrap(true);
    QFont small = m_textPeriods->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    m_textPeriods->setFont(small);
    // Room for the sentence even while it is empty, so the page does not jump as the user types.
    m_textPeriods->setMinimumHeight(QFontMetrics(small).lineSpacing() * 2);
    timeGrid->addWidget(m_textPeriods, row, 0, 1, 5);
    timeGrid->setColumnStretch(0, 1);

    // "Always round call duration to a / whole number of [3] - minute intervals"
    auto* rounding = new QGroupBox(this);
    auto* roundingRows = new QVBoxLayout(rounding);
    roundingRows->addWidget(m_checkBreakIntervals);
    auto* intervalRow = new QHBoxLayout;
    intervalRow->addWidget(new QLabel(QStringLiteral("whole number of "), rounding));
    intervalRow->addWidget(m_editIntervals);
    intervalRow->addWidget(new QLabel(QStringLiteral("- minute intervals"), rounding));
    intervalRow->addStretch();
    roundingRows->addLayout(intervalRow);

    // "Billing period starts on day [1] of the month", and the period that makes of today.
    QLineEdit* startDay = MakeNumberEdit("PeriodStartDay", kTimeDigits, true);
    QGroupBox* billingPeriod = MakeGroup(QStringLiteral("Billing period"), this);
    auto* periodRows = new QVBoxLayout(billingPeriod);
    auto* startRow = new QHBoxLayout;
    startRow->addWidget(new QLabel(QStringLiteral("Billing period starts on day"), billingPeriod));
    startRow->addWidget(startDay);
    startRow->addWidget(new QLabel(QStringLiteral("of the month"), billingPeriod));
    startRow->addStretch();
    periodRows->addLayout(startRow);
    m_textBillingPeriod = new QLabel(billingPeriod);
    m_textBillingPeriod->setObjectName(QStringLiteral("m_textBillingPeriod"));
    m_textBillingPeriod->setTextFormat(Qt::PlainText);
    m_textBillingPeriod->setFont(small);
    m_textBillingPeriod->setMinimumHeight(QFontMetrics(small).lineSpacing());
    periodRows->addWidget(m_textBillingPeriod);
    connect(startDay, &QLineEdit::textChanged, this, &CBillingPage::UpdateBillingPeriod);

    auto* left = new QVBoxLayout;
    left->addWidget(weekdays);
    left->addWidget(weekends);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(time);
    right->addWidget(rounding);
    right->addWidget(billingPeriod);
    right->addStretch();
    auto* columns = new QHBoxLayout(this);
    columns->addLayout(left);
    columns->addLayout(right);

    for (QLineEdit* edit : {dayHours, dayMinutes, nightHours, nightMinutes})
        connect(edit, &QLineEdit::textChanged, this, &CBillingPage::UpdatePeriods);
}

bool CBillingPage::DoDataExchange(bool saveAndValidate) {
    if (!ExchangeNumbers(Numbers(), saveAndValidate))
        return false;
    if (saveAndValidate)
        BreakIntervals = m_checkBreakIntervals->isChecked();
    else
        m_checkBreakIntervals->setChecked(BreakIntervals);
    return true;
}

void CBillingPage::OnOK() {
    BreakIntervals = m_checkBreakIntervals->isChecked();
    CopyTo(Settings);
}

void CBillingPage::UpdatePeriods() {
    const std::string decimalPoint = UserDecimalPoint();
    auto typed = [&](const char* name, FieldRule rule) {
        const QLineEdit* edit = findChild<QLineEdit*>(QString::fromLatin1(name));
        return ReadField(rule, edit->text().toStdString(), decimalPoint);
    };
    const std::optional<double> dayHours = typed("DayStartsHours", FieldRule::Hours);
    const std::optional<double> dayMinutes = typed("DayStartsMinutes", FieldRule::Minutes);
    const std::optional<double> nightHours = typed("NightStartsHours", FieldRule::Hours);
    const std::optional<double> nightMinutes = typed("NightStartsMinutes", FieldRule::Minutes);
    // Nothing to tell while a time cannot be read; leaving the page will say what is wrong.
    if (!dayHours || !dayMinutes || !nightHours || !nightMinutes) {
        m_textPeriods->clear();
        return;
    }
    m_textPeriods->setText(QString::fromStdString(
        TariffPeriodsText(static_cast<unsigned>(*dayHours), static_cast<unsigned>(*dayMinutes),
                          static_cast<unsigned>(*nightHours), static_cast<unsigned>(*nightMinutes))));
}

void CBillingPage::UpdateBillingPeriod() {
    const QLineEdit* edit = findChild<QLineEdit*>(QStringLiteral("PeriodStartDay"));
    const std::optional<double> day = ReadField(FieldRule::DayOfMonth, edit->text().toStdString(), ".");
    m_textBillingPeriod->setText(
        day ? QString::fromStdString(CurrentPeriodText(static_cast<unsigned>(*day), now())) : QString());
}
