#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCompleter>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "app/entry_dialog.h"

// Answers, in order, the modal windows a test provokes: message boxes, file dialogs, the entry
// dialogs and any other dialog of ours. Each window that comes up is recorded and handled by the
// next step, while the code under test waits in the window's event loop. A window with no step
// left, or one of another sort than its step expects, fails the test and is closed.
class ModalScript {
  public:
    enum class Sort { Message, File, Entry, Dialog };

    struct Seen {
        Sort sort = Sort::Message;
        std::string caption;
        std::string text;  // message text, or a file dialog's name field when it came up
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        QStringList nameFilters;  // file dialogs
        std::string defaultSuffix;
        std::string directory;
        QFileDialog::AcceptMode acceptMode = QFileDialog::AcceptOpen;
        QFileDialog::FileMode fileMode = QFileDialog::AnyFile;
        QStringList texts;  // the window's title and every text of its visible labels and buttons
    };

    ModalScript() {
        QObject::connect(&timer_, &QTimer::timeout, [this] { handleOpenWindow(); });
        timer_.start(5);
    }
    ~ModalScript() { EXPECT_TRUE(steps_.empty()) << steps_.size() << " modal steps not used"; }

    // The next message box is answered with this button.
    ModalScript& answer(QMessageBox::StandardButton button) {
        steps_.push_back({Sort::Message, [button](QWidget* w) {
                              auto* box = static_cast<QMessageBox*>(w);
                              QAbstractButton* b = box->button(button);
                              if (b == nullptr) {
                                  ADD_FAILURE() << "the box has no such button";
                                  b = box->buttons().value(0);
                              }
                              b->click();
                          }});
        return *this;
    }
    // The next file dialog gets this file typed into its name field and is confirmed.
    ModalScript& chooseFile(const std::string& file) {
        steps_.push_back({Sort::File, [file](QWidget* w) {
                              auto* name = w->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                              ASSERT_NE(name, nullptr);
                              name->setText(QString::fromStdString(file));
                              // As the name field's Enter does; accept is protected.
                              QMetaObject::invokeMethod(w, "accept", Qt::DirectConnection);
                          }});
        return *this;
    }
    // The next file dialog gets this file typed, with the name field's completion list open
    // when Enter is pressed.
    ModalScript& typeFile(const std::string& file) {
        steps_.push_back({Sort::File, [file](QWidget* w) {
                              auto* name = w->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                              ASSERT_NE(name, nullptr);
                              name->setText(QString::fromStdString(file));
                              ASSERT_NE(name->completer(), nullptr);
                              name->completer()->complete();
                              QMetaObject::invokeMethod(w, "accept", Qt::DirectConnection);
                          }});
        return *this;
    }
    // The next file dialog is cancelled.
    ModalScript& cancelFile() {
        steps_.push_back({Sort::File, [](QWidget* w) { static_cast<QDialog*>(w)->reject(); }});
        return *this;
    }
    // The next modal window of another sort (the About box) is handed to close.
    ModalScript& other(std::function<void(QDialog&)> close) {
        steps_.push_back({Sort::Dialog, [close = std::move(close)](QWidget* w) {
                              close(*static_cast<QDialog*>(w));
                          }});
        return *this;
    }
    // The next entry dialog is handed to fill, which usually ends by clicking a button.
    ModalScript& entry(std::function<void(EntryDialog&)> fill) {
        steps_.push_back({Sort::Entry, [fill = std::move(fill)](QWidget* w) {
                              fill(*static_cast<EntryDialog*>(w));
                          }});
        return *this;
    }

    // The next dialog of our own that is none of the above is handed to fill.
    ModalScript& dialog(std::function<void(QDialog&)> fill) {
        steps_.push_back({Sort::Dialog, [fill = std::move(fill)](QWidget* w) {
                              fill(*static_cast<QDialog*>(w));
                          }});
        return *this;
    }

    const std::vector<Seen>& seen() const { return seen_; }

    static QStringList visibleTexts(const QWidget& window) {
        QStringList texts{window.windowTitle()};
        for (const QWidget* w : window.findChildren<QWidget*>()) {
            if (!w->isVisibleTo(&window)) {
                continue;
            }
            if (const auto* label = qobject_cast<const QLabel*>(w)) {
                texts << label->text();
            } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
                texts << button->text();
            }
        }
        texts.removeAll(QString());
        return texts;
    }
    std::vector<std::string> messageTexts() const {
        std::vector<std::string> texts;
        for (const Seen& s : seen_) {
            if (s.sort == Sort::Message) {
                texts.push_back(s.text);
            }
        }
        return texts;
    }
    bool done() const { return steps_.empty(); }

  private:
    struct Step {
        Sort sort;
        std::function<void(QWidget*)> act;
    };

    void handleOpenWindow() {
        QWidget* window = QApplication::activeModalWidget();
        if (window == nullptr || !window->isVisible() || pending_) {
            return;
        }
        Seen seen;
        if (auto* box = qobject_cast<QMessageBox*>(window)) {
            seen.caption = box->windowTitle().toStdString();
            seen.text = box->text().toStdString();
            seen.icon = box->icon();
            seen.buttons = box->standardButtons();
        } else if (auto* dialog = qobject_cast<QFileDialog*>(window)) {
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            seen.sort = Sort::File;
            seen.caption = dialog->windowTitle().toStdString();
            seen.text = name != nullptr ? name->text().toStdString() : std::string();
            seen.nameFilters = dialog->nameFilters();
            seen.defaultSuffix = dialog->defaultSuffix().toStdString();
            seen.directory = dialog->directory().absolutePath().toStdString();
            seen.acceptMode = dialog->acceptMode();
            seen.fileMode = dialog->fileMode();
        } else if (qobject_cast<EntryDialog*>(window) != nullptr) {
            seen.sort = Sort::Entry;
            seen.caption = window->windowTitle().toStdString();
        } else if (qobject_cast<QDialog*>(window) != nullptr) {
            seen.sort = Sort::Dialog;
            seen.caption = window->windowTitle().toStdString();
        } else {
            return;
        }
        seen.texts = visibleTexts(*window);
        seen_.push_back(seen);
        if (steps_.empty() || steps_.front().sort != seen.sort) {
            ADD_FAILURE() << "unexpected modal window \"" << seen.caption << "\": " << seen.text;
            steps_.clear();
            if (auto* box = qobject_cast<QMessageBox*>(window)) {
                QAbstractButton* safest = box->button(QMessageBox::Cancel);
                safest = safest != nullptr ? safest : box->button(QMessageBox::No);
                safest = safest != nullptr ? safest : box->buttons().value(0);
                safest->click();
            } else {
                static_cast<QDialog*>(window)->reject();
            }
            return;
        }
        // Qt does not run a timer's slot again while it runs, so the step runs from an event
        // of its own: a window that comes up in a nested event loop of the step (a warning
        // shown by the button it clicked) is then handled by the next step.
        pending_ = true;
        QTimer::singleShot(0, window, [this, window, step = std::move(steps_.front())] {
            pending_ = false;
            step.act(window);
        });
        steps_.pop_front();
    }

    QTimer timer_;
    std::deque<Step> steps_;
    std::vector<Seen> seen_;
    bool pending_ = false;
};
