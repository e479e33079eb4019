#pragma once
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QStringList>
#include <QTest>

#include "support/page_support.h"
#include "support/ui_support.h"

namespace korrimet::test {

// The names of the first `count` named controls that take the focus, in tab
// order from `start`.
inline QStringList tabOrder(QWidget* start, int count) {
    QStringList order;
    QWidget* next = start;
    for (int i = 0; i < count; ++i, next = next->nextInFocusChain()) {
        while (next->focusPolicy() == Qt::NoFocus || next->objectName().isEmpty()) next = next->nextInFocusChain();
        order << next->objectName();
    }
    return order;
}

// Types "12.5.x" into each box: the numeric filter keeps "12.5" and refuses
// the rest with its two messages. Then, over the value selected as a Tab
// selects it, composes "zhong" and commits 中, as a pinyin input method does:
// refused, and the box keeps its value and selection, drawn as before with
// no pinyin left on show. Returns what went otherwise, or "".
inline QString numericFilterFault(QWidget* window, const QStringList& boxes) {
    const QString notNumeric = QStringLiteral("数据输入错误,请检查是否在数值输入状态");
    const QStringList expected{QStringLiteral("数据输入错误,请检查输入"), notNumeric, notNumeric};
    for (const QString& name : boxes) {
        MessageRecorder messages;
        auto* box = child<QLineEdit>(window, name);
        box->clear();
        box->setFocus();
        QTest::keyClicks(box, "12.5.x");
        if (box->text() != "12.5") return name + " holds " + box->text();
        box->clearFocus();  // no caret to blink in the pictures
        box->selectAll();
        const QImage typed = box->grab().toImage();
        QInputMethodEvent pinyin(QStringLiteral("zhong"), {});
        QApplication::sendEvent(box, &pinyin);
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("中"));
        QApplication::sendEvent(box, &commit);
        if (box->text() != "12.5") return name + " took 中: " + box->text();
        if (box->selectedText() != "12.5") return name + " lost its selection: " + box->selectedText();
        if (box->grab().toImage() != typed) return name + " still shows the pinyin";
        if (messages.messages() != expected) return name + " said " + messages.messages().join(" / ");
    }
    return {};
}

// Clicks `button` on entries the press must refuse. Returns its one message,
// or what went otherwise: a result box in `results` that kept a text or was
// left unmarked, or not exactly one message.
inline QString refusal(QWidget* window, const QString& button, const QStringList& results) {
    MessageRecorder messages;
    click(window, button);
    for (const QString& name : results) {
        auto* box = child<QLineEdit>(window, name);
        if (!box->text().isEmpty()) return name + " kept " + box->text();
        if (box->placeholderText() != QStringLiteral("无法计算")) return name + " is not marked";
    }
    if (messages.messages().size() != 1) return QStringLiteral("%1 messages").arg(messages.messages().size());
    return messages.messages().first();
}

}  // namespace korrimet::test
