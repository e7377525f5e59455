#include "scriptedport.h"

ScriptedPort::ScriptedPort()
{
    SetOperatorPort(this);
}

ScriptedPort::~ScriptedPort()
{
    SetOperatorPort(nullptr);
}

QStringList ScriptedPort::captions() const
{
    QStringList result;
    for (const Box &box : m_boxes)
        result.append(box.caption);
    return result;
}

void ScriptedPort::clear()
{
    m_answers.clear();
    m_inputs.clear();
    m_boxes.clear();
    m_prompts.clear();
    m_offered.clear();
}

BoxAnswer ScriptedPort::messageBox(BoxIcon icon, const QString &caption, const QString &text, BoxButtons,
                                   BoxAnswer defaultAnswer)
{
    m_boxes.append({icon, caption, text});
    return m_answers.isEmpty() ? defaultAnswer : m_answers.dequeue();
}

std::optional<QString> ScriptedPort::inputBox(const QString &, const QString &prompt, const QString &value, bool)
{
    m_prompts.append(prompt);
    m_offered.append(value);
    if (m_inputs.isEmpty())
        return std::nullopt;
    return m_inputs.dequeue();
}
