#include "desktop/box_rules.h"

#include <algorithm>

#include "desktop/core_text.h"
#include "reading/validation.h"

namespace vela::desktop {

namespace {

std::string S(const QString& text) { return text.toStdString(); }

}  // namespace

BoxRuleValidator::BoxRuleValidator(QLineEdit& lineEdit, reading::FormField boxField, RefusalHandler onRefused)
    : QValidator(&lineEdit), box(lineEdit), field(boxField), refused(std::move(onRefused)), accepted(lineEdit.text()) {
    connect(&box, &QLineEdit::textChanged, this, &BoxRuleValidator::RememberAcceptedText);
    connect(&box, &QLineEdit::inputRejected, this, &BoxRuleValidator::ReportRefusal);
}

QValidator::State BoxRuleValidator::validate(QString& input, int& pos) const {
    pendingRefusal.reset();
    if (settingText) return Acceptable;
    // What the edit put in: the text between the part both versions start with and the part both
    // end with. A deletion puts nothing in and is always taken.
    const qsizetype shorter = std::min(input.size(), accepted.size());
    qsizetype head = 0;
    while (head < shorter && input.at(head) == accepted.at(head)) ++head;
    qsizetype tail = 0;
    while (tail < shorter - head && input.at(input.size() - 1 - tail) == accepted.at(accepted.size() - 1 - tail))
        ++tail;
    const QString inserted = input.mid(head, input.size() - head - tail);
    if (inserted.isEmpty()) return Acceptable;

    const QString before = input.left(head);
    const QString after = input.right(tail);
    const auto verdict = reading::JudgeInsertion(field, S(before), S(inserted), S(after));
    if (!verdict.Accepted()) {
        if (verdict.refusal) pendingRefusal = BoxRefusal{*verdict.refusal, inserted.size() > 1};
        return Invalid;
    }
    const QString taken = QString::fromStdString(verdict.inserted);
    if (taken != inserted) {
        input = before + taken + after;
        pos = static_cast<int>(before.size() + taken.size());
    }
    return Acceptable;
}

void BoxRuleValidator::SetBoxText(QLineEdit& lineEdit, const QString& text) {
    auto* rule = lineEdit.findChild<BoxRuleValidator*>(QString(), Qt::FindDirectChildrenOnly);
    if (rule != nullptr) rule->settingText = true;
    lineEdit.setText(text);
    if (rule != nullptr) rule->settingText = false;
}

void BoxRuleValidator::RememberAcceptedText(const QString& text) { accepted = text; }

void BoxRuleValidator::ReportRefusal() {
    if (!pendingRefusal) return;
    const BoxRefusal refusal = *pendingRefusal;
    pendingRefusal.reset();
    if (refused) refused(refusal);
}

void InstallBoxRule(QLineEdit& box, reading::FormField field, RefusalHandler refused) {
    box.setValidator(new BoxRuleValidator(box, field, std::move(refused)));
}

}  // namespace vela::desktop
