#pragma once
#include <QString>
#include <QStringList>

class QWidget;

namespace korrimet {

inline const QString kApplicationTitle = QStringLiteral("Korrimet");

// Every message box of the program goes through here: OK only, no icon,
// titled "Korrimet". Tests put a recorder in place so no modal box blocks them.
class MessageService {
public:
    virtual ~MessageService() = default;
    virtual void show(const QString& text, QWidget* parent) = 0;

    static MessageService& current();
    // Returns the service that was in place; nullptr restores the real one.
    static MessageService* install(MessageService* service);
};

void ShowMessage(const QString& text, QWidget* parent = nullptr);

// Records messages instead of showing them, for as long as it lives.
class MessageRecorder : public MessageService {
public:
    MessageRecorder();
    ~MessageRecorder() override;
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    void show(const QString& text, QWidget* parent) override;
    const QStringList& messages() const { return messages_; }
    void clear() { messages_.clear(); }

private:
    QStringList messages_;
    MessageService* previous_;
};

}  // namespace korrimet
