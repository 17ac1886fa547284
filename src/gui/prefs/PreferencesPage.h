// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings/SettingsFields.h"

#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class Prompter;
class QLabel;
class QLineEdit;

// A page of the Preferences sheet. It works on its own copy of the settings; the sheet asks it to
// fill its controls when it first comes to the front, to read them back when the user leaves it or
// presses OK, and, once the sheet is confirmed, to copy its values into Settings.
class CPreferencesPage : public QWidget {
    Q_OBJECT
public:
    CPreferencesPage(Prompter& prompter, unsigned long helpId, QWidget* parent);

    // Fields to controls (false), or controls to fields with their checks (true). The first value
    // refused is reported, gets the focus, and makes the result false.
    virtual bool DoDataExchange(bool saveAndValidate) = 0;
    // Copies the page's fields into Settings.
    virtual void OnOK() = 0;

    // The page comes to the front; the first time, its controls are filled.
    void OnSetActive();
    bool WasShown() const { return m_bShown; }
    unsigned long HelpId() const { return m_helpId; }

protected:
    // The numbers of the page moved between their fields and the edits named after them.
    // check: what the fields tell together, once each has been read.
    bool ExchangeNumbers(std::vector<NumberField> fields, bool saveAndValidate,
                         const std::function<std::optional<FieldRefusal>()>& check = {});
    // Tells why the value of field is refused, in a box beside it, and gives it the focus with
    // its text selected.
    void Refuse(QWidget* field, const std::string& message);
    // Each number edit is named by its field's label.
    void NameNumberEdits(const std::vector<NumberField>& fields);
    static QString LabelOf(const std::vector<NumberField>& fields, const char* name);
    QLineEdit* MakeNumberEdit(const char* name, int digits, bool wholeNumber);
    QLabel* MakeCurrencyLabel(Qt::Alignment alignment);

    Prompter& m_prompter;

private:
    unsigned long m_helpId;
    bool m_bShown = false;
};
