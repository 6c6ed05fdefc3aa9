// The letters and digits rules of the form's eight text boxes, on every way text gets in.
//
// Keys, pastes (the keyboard, the context menu, the middle button), drag and drop and input
// methods all end in one edit of the box's text, which the box hands to its validator before
// taking it. The validator finds what the edit puts in and asks the core (JudgeInsertion): taken
// whole, or refused whole with the box's message, never cleaned. The window says why: a refused
// key with the original's message box, a refused paste (more than one character at once) with a
// notice beside the box.
#pragma once

#include <QLineEdit>
#include <QString>
#include <QValidator>

#include <functional>
#include <optional>

#include "reading/birth_form.h"

namespace vela::desktop {

// What the box turned down: the core's message, and whether it came as one key or as a paste of
// more than one character.
struct BoxRefusal {
    reading::UserMessage message;
    bool paste = false;
};
using RefusalHandler = std::function<void(const BoxRefusal&)>;

class BoxRuleValidator : public QValidator {
    Q_OBJECT

public:
    // Watches the box's text to know what each edit changes. `refused` is called with the box's
    // message after the box has turned an edit down (not for a silent refusal).
    BoxRuleValidator(QLineEdit& box, reading::FormField field, RefusalHandler refused);

    State validate(QString& input, int& pos) const override;

    // Text the program itself puts into the box (a reading file, a picked place): taken as it is;
    // validation names whatever breaks the rule when the reading is calculated.
    static void SetBoxText(QLineEdit& box, const QString& text);

private:
    void RememberAcceptedText(const QString& text);
    void ReportRefusal();

    QLineEdit& box;
    reading::FormField field;
    RefusalHandler refused;
    QString accepted;          // the box's text before the edit being judged
    bool settingText = false;  // SetBoxText is at work
    mutable std::optional<BoxRefusal> pendingRefusal;
};

// Puts the rule of its field on each box.
void InstallBoxRule(QLineEdit& box, reading::FormField field, RefusalHandler refused);

}  // namespace vela::desktop
