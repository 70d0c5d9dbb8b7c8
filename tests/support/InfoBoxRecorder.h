#pragma once

#include <QStringList>

#include "platform/InfoBox.h"

// Collects the texts of information boxes instead of showing them, for as long as it lives.
class InfoBoxRecorder
{
public:
    InfoBoxRecorder()
        : m_previous(setInfoBoxHandler([this](const QString &text) { m_texts << text; }))
    {
    }
    ~InfoBoxRecorder() { setInfoBoxHandler(m_previous); }
    InfoBoxRecorder(const InfoBoxRecorder &) = delete;
    InfoBoxRecorder &operator=(const InfoBoxRecorder &) = delete;

    const QStringList &texts() const { return m_texts; }

private:
    QStringList m_texts;
    InfoBoxHandler m_previous;
};
