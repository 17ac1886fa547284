// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/prefs/MessagesPage.h"

#include "core/settings/Settings.h"
#include "gui/app/LabelBuddy.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace {
qsizetype CountCharacters(const QString& text) {
    qsizetype count = 0;
    for (QChar c : text) {
        if (!c.isLowSurrogate())
            ++count;
    }
    return count;
}

// Steps back over `characters` whole characters from `position` (a surrogate pair is one).
qsizetype BackBy(const QString& text, qsizetype position, qsizetype characters) {
    while (characters > 0 && position > 0) {
        --position;
        if (position > 0 && text[position].isLowSurrogate() && text[position - 1].isHighSurrogate())
            --position;
        --characters;
    }
    return position;
}

// The settings file gives back at most kMaxMessageCharacters of a text, so the edit takes no more:
// what goes beyond is cut from the end of what was just typed or pasted.
void LimitLength(QPlainTextEdit* edit) {
    QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [edit] {
        const QString text = edit->toPlainText();
        const qsizetype over = CountCharacters(text) - static_cast<qsizetype>(kMaxMessageCharacters);
        if (over <= 0)
            return;
        qsizetype end = edit->textCursor().position();
        if (end == 0)
            end = text.size(); // nothing was typed before the cursor: cut the end
        QTextCursor cut(edit->document());
        cut.setPosition(static_cast<int>(BackBy(text, end, over)));
        cut.setPosition(static_cast<int>(end), QTextCursor::KeepAnchor);
        cut.removeSelectedText();
    });
}

QPlainTextEdit* MakeMessageEdit(QWidget* parent, const char* name) {
    auto* edit = new QPlainTextEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setTabChangesFocus(true); // Enter starts a new line; Tab moves on as in any dialog
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    const QFontMetrics metrics = edit->fontMetrics();
    edit->setMinimumWidth(metrics.averageCharWidth() * 34);
    edit->setFixedHeight(metrics.lineSpacing() * 5 + 2 * edit->frameWidth() + 8);
    LimitLength(edit);
    return edit;
}
} // namespace

CMessagesPage::CMessagesPage(Prompter& prompter, QWidget* parent)
    : CPreferencesPage(prompter, kHelpId, parent), CMessagesFields(Settings) {
    QPlainTextEdit* call = MakeMessageEdit(this, "CallLimitMessage");
    QPlainTextEdit* day = MakeMessageEdit(this, "DayLimitMessage");
    QPlainTextEdit* month = MakeMessageEdit(this, "MonthLimitMessage");

    // The call and day messages one above the other on the left, the month message top right.
    auto* grid = new QGridLayout(this);
    grid->addWidget(JoinLabel(new QLabel(tr("Ca&ll Limit reached :"), this), call), 0, 0);
    grid->addWidget(call, 1, 0);
    grid->addWidget(JoinLabel(new QLabel(tr("&Day Limit reached :"), this), day), 2, 0);
    grid->addWidget(day, 3, 0);
    grid->addWidget(JoinLabel(new QLabel(tr("&Month Limit reached :"), this), month), 0, 1);
    grid->addWidget(month, 1, 1);
    grid->setRowStretch(4, 1);
}

bool CMessagesPage::DoDataExchange(bool saveAndValidate) {
    std::string CMessagesFields::*const texts[] = {&CMessagesFields::CallLimitMessage,
                                                   &CMessagesFields::DayLimitMessage,
                                                   &CMessagesFields::MonthLimitMessage};
    const char* const names[] = {"CallLimitMessage", "DayLimitMessage", "MonthLimitMessage"};
    for (std::size_t i = 0; i < std::size(texts); ++i) {
        auto* edit = findChild<QPlainTextEdit*>(QString::fromLatin1(names[i]));
        if (saveAndValidate)
            this->*texts[i] = edit->toPlainText().toStdString();
        else
            edit->setPlainText(QString::fromStdString(this->*texts[i]));
    }
    return true;
}

void CMessagesPage::OnOK() {
    CopyTo(Settings);
}
