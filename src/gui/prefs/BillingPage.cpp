// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/prefs/BillingPage.h"

#include "core/billing/BillingPeriod.h"
#include "core/platform/Locale.h"
#include "core/platform/Prompter.h"
#include "core/platform/SystemClock.h"
#include "core/settings/Settings.h"
#include "gui/app/LabelBuddy.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
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
    m_checkBreakIntervals = new QCheckBox(tr("Always round call duration to a "), this);
    m_checkBreakIntervals->setObjectName(QStringLiteral("BreakIntervals"));
    m_editIntervals = MakeNumberEdit("Intervals", kTimeDigits, true);

    // Each rate reads "Weekday daytime rate:  $ [2]".
    auto rateGroup = [this](const QString& title, const QString& dayText, QLineEdit* day,
                            const QString& nightText, QLineEdit* night) {
        QGroupBox* group = MakeGroup(title, this);
        auto* grid = new QGridLayout(group);
        int row = 0;
        for (const auto& [text, edit] : {std::pair{dayText, day}, std::pair{nightText, night}}) {
            grid->addWidget(JoinLabel(new QLabel(text, group), edit), row, 0);
            grid->addWidget(MakeCurrencyLabel(Qt::AlignRight), row, 1);
            grid->addWidget(edit, row, 2);
            ++row;
        }
        grid->setColumnStretch(0, 1);
        return group;
    };
    const std::vector<NumberField> numbers = Numbers();
    QGroupBox* weekdays = rateGroup(tr("Weekdays"), LabelOf(numbers, "WeekdayDayRate"), weekdayDay,
                                    LabelOf(numbers, "WeekdayNightRate"), weekdayNight);
    QGroupBox* weekends = rateGroup(tr("Weekends"), LabelOf(numbers, "WeekendDayRate"), weekendDay,
                                    LabelOf(numbers, "WeekendNightRate"), weekendNight);

    // Each time reads "\"Daytime\" starts at [6] : [30] AM".
    QGroupBox* time = MakeGroup(tr("Time"), this);
    auto* timeGrid = new QGridLayout(time);
    const std::tuple<QString, QLineEdit*, QLineEdit*, QString> times[] = {
        {tr("\"&Daytime\" starts at"), dayHours, dayMinutes, tr("AM")},
        {tr("\"Ni&ght\" starts at"), nightHours, nightMinutes, tr("PM")}};
    int row = 0;
    for (const auto& [text, hours, minutes, half] : times) {
        timeGrid->addWidget(JoinLabel(new QLabel(text, time), hours), row, 0, Qt::AlignRight);
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
    intervalRow->addWidget(JoinLabel(new QLabel(tr("w&hole number of "), rounding), m_editIntervals));
    intervalRow->addWidget(m_editIntervals);
    intervalRow->addWidget(new QLabel(tr("- minute intervals"), rounding));
    intervalRow->addStretch();
    roundingRows->addLayout(intervalRow);

    // "Billing period starts on day [1] of the month", and the period that makes of today.
    QLineEdit* startDay = MakeNumberEdit("PeriodStartDay", kTimeDigits, true);
    QGroupBox* billingPeriod = MakeGroup(tr("Billing period"), this);
    auto* periodRows = new QVBoxLayout(billingPeriod);
    auto* startRow = new QHBoxLayout;
    startRow->addWidget(JoinLabel(new QLabel(LabelOf(numbers, "PeriodStartDay"), billingPeriod), startDay));
    startRow->addWidget(startDay);
    startRow->addWidget(new QLabel(tr("of the month"), billingPeriod));
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
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);
    auto* page = new QVBoxLayout(this);
    page->addLayout(columns);
    BuildTariffOptions(page);

    NameNumberEdits(numbers);
    NameNumberEdits(OptionNumbers());
    for (QLineEdit* edit : {dayHours, dayMinutes, nightHours, nightMinutes})
        connect(edit, &QLineEdit::textChanged, this, &CBillingPage::UpdatePeriods);
}

bool CBillingPage::DoDataExchange(bool saveAndValidate) {
    if (!ExchangeNumbers(Numbers(), saveAndValidate, [this] { return CheckTimes(); }) ||
        !ExchangeNumbers(OptionNumbers(), saveAndValidate))
        return false;
    if (saveAndValidate) {
        if (const std::optional<std::string> refused =
                ReadCurrencySymbol(m_editCurrencySymbol->text().toStdString())) {
            Refuse(m_editCurrencySymbol,
                   NamedRefusal(m_editCurrencySymbol->accessibleName().toStdString(), *refused));
            return false;
        }
        BreakIntervals = m_checkBreakIntervals->isChecked();
        ReadWeekendDays();
    } else {
        m_editCurrencySymbol->setText(QString::fromStdString(CurrencySymbol));
        m_checkBreakIntervals->setChecked(BreakIntervals);
        for (std::size_t day = 0; day < WeekendDays.size(); ++day)
            m_checkWeekendDays[day]->setChecked(WeekendDays.test(day));
        ShowHolidays();
    }
    return true;
}

void CBillingPage::OnOK() {
    BreakIntervals = m_checkBreakIntervals->isChecked();
    CopyTo(Settings);
}

void CBillingPage::BuildTariffOptions(QBoxLayout* rows) {
    QLineEdit* fee = MakeNumberEdit("CallFee", kRateDigits, false);
    QLineEdit* minimum = MakeNumberEdit("MinimumCharge", kRateDigits, false);
    // "Fee per call:  $ [0]"
    QGroupBox* perCall = MakeGroup(tr("Every call"), this);
    auto* perCallGrid = new QGridLayout(perCall);
    int row = 0;
    const std::vector<NumberField> numbers = OptionNumbers();
    for (const auto& [text, edit] : {std::pair{LabelOf(numbers, "CallFee"), fee},
                                     std::pair{LabelOf(numbers, "MinimumCharge"), minimum}}) {
        perCallGrid->addWidget(JoinLabel(new QLabel(text, perCall), edit), row, 0);
        perCallGrid->addWidget(MakeCurrencyLabel(Qt::AlignRight), row, 1);
        perCallGrid->addWidget(edit, row, 2);
        ++row;
    }
    // The symbol of every amount: empty, the locale's, whose symbol the field shows greyed.
    m_editCurrencySymbol = new QLineEdit(perCall);
    m_editCurrencySymbol->setObjectName(QStringLiteral("CurrencySymbol"));
    m_editCurrencySymbol->setMaxLength(32);
    m_editCurrencySymbol->setPlaceholderText(QString::fromStdString(LocaleCurrencySymbol()));
    m_editCurrencySymbol->setMaximumWidth(fee->sizeHint().width());
    perCallGrid->addWidget(JoinLabel(new QLabel(tr("Currency &symbol:"), perCall), m_editCurrencySymbol), row,
                           0);
    perCallGrid->addWidget(m_editCurrencySymbol, row, 2);
    perCallGrid->setColumnStretch(0, 1);

    // Qt numbers the days from Monday (1) to Sunday (7), tm_wday from Sunday (0).
    QGroupBox* weekend = MakeGroup(tr("Weekend days"), this);
    auto* days = new QHBoxLayout(weekend);
    const QLocale locale = QLocale::system();
    const int first = locale.firstDayOfWeek();
    for (int i = 0; i < 7; ++i) {
        const int qtDay = (first - 1 + i) % 7 + 1;
        const int weekday = qtDay % 7;
        auto* box = new QCheckBox(locale.dayName(qtDay, QLocale::ShortFormat), weekend);
        box->setObjectName(QStringLiteral("WeekendDay%1").arg(weekday + 1));
        m_checkWeekendDays[weekday] = box;
        days->addWidget(box);
    }
    days->addStretch();

    // The list, and under it "[date] [ ] every year  [Add] [Remove]".
    QGroupBox* holidays = MakeGroup(tr("Holidays, priced as weekend days"), this);
    m_listHolidays = new QListWidget(holidays);
    m_listHolidays->setObjectName(QStringLiteral("Holidays"));
    m_listHolidays->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_listHolidays->setAccessibleName(tr("Holidays"));
    m_listHolidays->setMaximumHeight(QFontMetrics(m_listHolidays->font()).lineSpacing() * 5);
    m_dateHoliday = new QDateEdit(QDate::currentDate(), holidays);
    m_dateHoliday->setObjectName(QStringLiteral("HolidayDate"));
    m_dateHoliday->setCalendarPopup(true);
    m_dateHoliday->setAccessibleName(tr("Holiday to add"));
    m_dateHoliday->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_checkEveryYear = new QCheckBox(tr("every year"), holidays);
    m_checkEveryYear->setObjectName(QStringLiteral("HolidayEveryYear"));
    auto* add = new QPushButton(tr("Add"), holidays);
    add->setObjectName(QStringLiteral("AddHoliday"));
    auto* remove = new QPushButton(tr("Remove"), holidays);
    remove->setObjectName(QStringLiteral("RemoveHoliday"));
    auto* picker = new QHBoxLayout;
    picker->addWidget(m_dateHoliday);
    picker->addWidget(m_checkEveryYear);
    picker->addStretch();
    picker->addWidget(add);
    picker->addWidget(remove);
    auto* holidayRows = new QVBoxLayout(holidays);
    holidayRows->addWidget(m_listHolidays);
    holidayRows->addLayout(picker);
    connect(add, &QPushButton::clicked, this, &CBillingPage::OnAddHoliday);
    connect(remove, &QPushButton::clicked, this, &CBillingPage::OnRemoveHoliday);

    auto* left = new QVBoxLayout;
    left->addWidget(perCall);
    left->addWidget(weekend);
    left->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addWidget(holidays, 1);
    rows->addLayout(columns);
}

void CBillingPage::ReadWeekendDays() {
    for (std::size_t day = 0; day < WeekendDays.size(); ++day)
        WeekendDays.set(day, m_checkWeekendDays[day]->isChecked());
}

void CBillingPage::ShowHolidays() {
    m_listHolidays->clear();
    for (const Holiday& holiday : Holidays)
        m_listHolidays->addItem(QString::fromStdString(holiday.Shown()));
}

void CBillingPage::OnAddHoliday() {
    const QDate date = m_dateHoliday->date();
    const std::optional<std::string> refusal =
        AddHoliday(date.year(), static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                   m_checkEveryYear->isChecked());
    if (refusal)
        m_prompter.ShowMessage("Corvellan", *refusal, PromptIcon::Exclamation);
    ShowHolidays();
}

void CBillingPage::OnRemoveHoliday() {
    // From the last selected row up, so that the rows still to go keep their places.
    std::vector<int> rows;
    for (const QModelIndex& index : m_listHolidays->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.rbegin(), rows.rend());
    for (const int row : rows)
        Holidays.erase(Holidays.begin() + row);
    ShowHolidays();
}

void CBillingPage::UpdatePeriods() {
    const std::string decimalPoint = UserDecimalPoint();
    auto typed = [&](const char* name, FieldRule rule) {
        const QLineEdit* edit = findChild<QLineEdit*>(QString::fromLatin1(name));
        return ReadField(rule, edit->text().toStdString(), decimalPoint);
    };
    const std::optional<double> dayHours = typed("DayStartsHours", FieldRule::Hours);
    const std::optional<double> dayMinutes = typed("DayStartsMinutes", FieldRule::Minutes);
    const std::optional<double> nightHours = typed("NightStartsHours", FieldRule::PmHours);
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
