#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <string>
#include <vector>

// Answers the message boxes a test provokes: every box that comes up modal is recorded and
// closed with the given button, while the code under test waits in the box's event loop.
class ModalAnswerer {
  public:
    struct Seen {
        std::string caption;
        std::string text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
    };

    explicit ModalAnswerer(QMessageBox::StandardButton answer = QMessageBox::Ok) : answer_(answer) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { answerOpenBox(); });
        timer_.start(10);
    }

    const std::vector<Seen>& seen() const { return seen_; }

  private:
    void answerOpenBox() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) {
            return;
        }
        seen_.push_back({box->windowTitle().toStdString(), box->text().toStdString(), box->icon(),
                         box->standardButtons()});
        QAbstractButton* button = box->button(answer_);
        if (button == nullptr) {
            button = box->buttons().value(0);
        }
        button->click();
    }

    QMessageBox::StandardButton answer_;
    QTimer timer_;
    std::vector<Seen> seen_;
};
