#pragma once

#include "core/operatorport.h"

#include <QList>
#include <QQueue>
#include <QString>

// The operator as a test plays it: answers queued in advance, every box shown
// kept in order. A question with no queued answer takes its preselected answer;
// an input box with none is cancelled.
class ScriptedPort final : public OperatorPort {
public:
    struct Box {
        BoxIcon icon;
        QString caption;
        QString text;
    };

    ScriptedPort();
    ~ScriptedPort() override;

    void answer(BoxAnswer answer) { m_answers.enqueue(answer); }
    void input(const QString &text) { m_inputs.enqueue(text); }
    void cancelInput() { m_inputs.enqueue(std::nullopt); }

    const QList<Box> &boxes() const { return m_boxes; }
    QStringList captions() const;
    // Prompts of the input boxes shown, and the values they offered, in order.
    const QStringList &prompts() const { return m_prompts; }
    const QStringList &offered() const { return m_offered; }
    void clear();
    // Forgets the boxes shown so far; queued answers stay.
    void forgetBoxes() { m_boxes.clear(); }

    BoxAnswer messageBox(BoxIcon icon, const QString &caption, const QString &text, BoxButtons buttons,
                         BoxAnswer defaultAnswer) override;
    std::optional<QString> inputBox(const QString &caption, const QString &prompt, const QString &value,
                                    bool password) override;
    void setBusy(bool) override {}

private:
    QQueue<BoxAnswer> m_answers;
    QQueue<std::optional<QString>> m_inputs;
    QList<Box> m_boxes;
    QStringList m_prompts;
    QStringList m_offered;
};
