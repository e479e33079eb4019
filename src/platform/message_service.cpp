#include "platform/message_service.h"

#include <QMessageBox>

namespace korrimet {
namespace {

class BoxService : public MessageService {
public:
    void show(const QString& text, QWidget* parent) override {
        QMessageBox box(QMessageBox::NoIcon, kApplicationTitle, text, QMessageBox::Ok, parent);
        box.exec();
    }
};

BoxService boxService;
MessageService* active = &boxService;

}  // namespace

MessageService& MessageService::current() { return *active; }

MessageService* MessageService::install(MessageService* service) {
    MessageService* previous = active;
    active = service ? service : &boxService;
    return previous;
}

void ShowMessage(const QString& text, QWidget* parent) { MessageService::current().show(text, parent); }

MessageRecorder::MessageRecorder() : previous_(MessageService::install(this)) {}
MessageRecorder::~MessageRecorder() { MessageService::install(previous_); }
void MessageRecorder::show(const QString& text, QWidget*) { messages_ << text; }

}  // namespace korrimet
