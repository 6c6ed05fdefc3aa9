#include "desktop/box_rules.h"

#include <algorithm>

#include "reading/validation.h"

namespace vela::modBoxRules {

namespace {

std::string S(const QString& text) { return text.toStdString(); }

}  // namespace

BoxRuleValidator::BoxRuleValidator(QLineEdit& lineEdit, FormField boxField,
                                   std::function<void(const QString&)> onRefused)
    : QValidator(&lineEdit),
      box(lineEdit),
      field(boxField),
      refused(std::move(onRefused)),
      strAccepted(lineEdit.text()) {
    connect(&box, &QLineEdit::textChanged, this, &BoxRuleValidator::Box_TextChanged);
    connect(&box, &QLineEdit::inputRejected, this, &BoxRuleValidator::Box_InputRejected);
}

QValidator::State BoxRuleValidator::validate(QString& input, int& pos) const {
    pendingRefusal.reset();
    if (blnSettingText) return Acceptable;
    // What the edit put in: the text between the part both versions start with and the part both
    // end with. A deletion puts nothing in and is always taken.
    const qsizetype shorter = std::min(input.size(), strAccepted.size());
    qsizetype head = 0;
    while (head < shorter && input.at(head) == strAccepted.at(head)) ++head;
    qsizetype tail = 0;
    while (tail < shorter - head && input.at(input.size() - 1 - tail) == strAccepted.at(strAccepted.size() - 1 - tail))
        ++tail;
    const QString inserted = input.mid(head, input.size() - head - tail);
    if (inserted.isEmpty()) return Acceptable;

    const QString before = input.left(head);
    const QString after = input.right(tail);
    const auto verdict = modValidation::JudgeInsertion(field, S(before), S(inserted), S(after));
    if (!verdict.Accepted()) {
        if (verdict.refusal) pendingRefusal = QString::fromStdString(verdict.refusal->strText);
        return Invalid;
    }
    const QString taken = QString::fromStdString(verdict.strInserted);
    if (taken != inserted) {
        input = before + taken + after;
        pos = static_cast<int>(before.size() + taken.size());
    }
    return Acceptable;
}

void BoxRuleValidator::SetBoxText(QLineEdit& lineEdit, const QString& text) {
    auto* rule = lineEdit.findChild<BoxRuleValidator*>(QString(), Qt::FindDirectChildrenOnly);
    if (rule != nullptr) rule->blnSettingText = true;
    lineEdit.setText(text);
    if (rule != nullptr) rule->blnSettingText = false;
}

void BoxRuleValidator::Box_TextChanged(const QString& text) { strAccepted = text; }

void BoxRuleValidator::Box_InputRejected() {
    if (!pendingRefusal) return;
    const QString message = *pendingRefusal;
    pendingRefusal.reset();
    if (refused) refused(message);
}

void InstallBoxRule(QLineEdit& box, FormField field, std::function<void(const QString&)> refused) {
    box.setValidator(new BoxRuleValidator(box, field, std::move(refused)));
}

}  // namespace vela::modBoxRules
