#pragma once

#include "platform/Dialogs.h"

#include <QList>
#include <QQueue>

// Records every message and answers from a queue, OK when the queue is empty.
class RecordingDialogs final : public Dialogs {
  public:
    Answer show(const Message& message) override {
        shown.append(message);
        return answers.isEmpty() ? Answer::Ok : answers.dequeue();
    }

    QList<Message> shown;
    QQueue<Answer> answers;
};
