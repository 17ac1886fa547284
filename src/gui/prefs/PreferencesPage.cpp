// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/prefs/PreferencesPage.h"

#include "core/platform/ProgramState.h"
#include "core/platform/Prompter.h"
#include "gui/app/QtPrompter.h"

#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

CPreferencesPage::CPreferencesPage(Prompter& prompter, unsigned long helpId, QWidget* parent)
    : QWidget(parent), m_prompter(prompter), m_helpId(helpId) {}

void CPreferencesPage::OnSetActive() {
    if (m_bShown)
        return;
    m_bShown = true;
    DoDataExchange(false);
}

bool CPreferencesPage::ExchangeNumbers(std::vector<NumberField> fields, bool saveAndValidate,
                                       const std::function<std::optional<FieldRefusal>()>& check) {
    const std::string decimalPoint = UserDecimalPoint();
    std::vector<QLineEdit*> edits;
    for (const NumberField& field : fields) {
        edits.push_back(findChild<QLineEdit*>(QString::fromLatin1(field.name)));
        Q_ASSERT(edits.back() != nullptr);
    }
    if (!saveAndValidate) {
        const std::vector<std::string> texts = ShowNumbers(fields, decimalPoint);
        for (std::size_t i = 0; i < edits.size(); ++i)
            edits[i]->setText(QString::fromStdString(texts[i]));
        return true;
    }
    std::vector<std::string> texts;
    for (QLineEdit* edit : edits)
        texts.push_back(edit->text().toStdString());
    std::optional<FieldRefusal> refusal = ReadNumbers(fields, texts, decimalPoint);
    if (!refusal && check)
        refusal = check();
    if (!refusal)
        return true;
    Refuse(edits[refusal->index], NamedRefusal(fields[refusal->index].label, refusal->message));
    return false;
}

void CPreferencesPage::Refuse(QWidget* field, const std::string& message) {
    m_prompter.ShowMessageBeside("Corvellan", message, PromptIcon::Exclamation,
                                 QtPrompter::ScreenRectOf(field));
    field->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->selectAll();
}

void CPreferencesPage::NameNumberEdits(const std::vector<NumberField>& fields) {
    for (const NumberField& field : fields) {
        auto* edit = findChild<QLineEdit*>(QString::fromLatin1(field.name));
        edit->setAccessibleName(QString::fromStdString(LabelWords(field.label)));
        edit->setAccessibleDescription(QString::fromStdString(RefusalMessage(field.rule))); // its range
    }
}

QString CPreferencesPage::LabelOf(const std::vector<NumberField>& fields, const char* name) {
    for (const NumberField& field : fields) {
        if (std::string_view(field.name) == name)
            return QString::fromStdString(field.label);
    }
    return {};
}

QLineEdit* CPreferencesPage::MakeNumberEdit(const char* name, int digits, bool wholeNumber) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    if (wholeNumber) {
        // Digits only, as typed; the range is checked when the page is left.
        edit->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    }
    const int width = edit->fontMetrics().horizontalAdvance(QString(digits, QLatin1Char('0')));
    edit->setFixedWidth(width + 16);
    return edit;
}

QLabel* CPreferencesPage::MakeCurrencyLabel(Qt::Alignment alignment) {
    auto* label = new QLabel(this);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setText(QString::fromStdString(CurrencySymbol));
    return label;
}
