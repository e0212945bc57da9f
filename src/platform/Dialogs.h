#pragma once

#include <QString>

class QWidget;

// Every message the program shows goes through here, so that tests can read and answer them.
enum class Icon { None, Information, Question, Exclamation, Critical };
enum class Buttons { Ok, OkCancel };
enum class Answer { Ok, Cancel };

inline const QString kAppTitle = QStringLiteral("Saldori");

struct Message {
    QString text;
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
    QString caption = kAppTitle;
    // What Enter answers: a question that destroys data keeps it by default.
    Answer byDefault = Answer::Ok;

    friend bool operator==(const Message&, const Message&) = default;
};

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    virtual Answer show(const Message& message) = 0;
};

class MessageBoxDialogs final : public Dialogs {
  public:
    explicit MessageBoxDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    Answer show(const Message& message) override;

  private:
    QWidget* parent_;
};
