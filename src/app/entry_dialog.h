#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

class TEditForm;

// How one kind's entry dialog is designed: its component names, client size and texts.
struct EntryDialogDesign {
    const char* formName;
    QSize clientSize;
    const char* labelName;
    const char* editName;
    const char* colourName;
    const char* singlePatternName;  // nullptr: the dialog has no single-pattern box
    int addCaption;                 // string numbers
    int settingsCaption;
    int labelText;
    int addHelpContext;
    int settingsHelpContext;
};

// The modal dialog that adds an entry (Tag 1) or changes the current entry's settings
// (Tag 0); TAddSym and TAddLType are its two designs. It is made once and reused: every
// showing starts afresh from Tag and the working entry.
class EntryDialog : public QDialog {
    Q_OBJECT
  public:
    static constexpr int AddMode = 1;
    static constexpr int SettingsMode = 0;

    EntryDialog(TEditForm& form, const EntryDialogDesign& design);

    int Tag = SettingsMode;
    bool addMode() const { return Tag == AddMode; }
    // The help page this showing of the dialog opens.
    int helpContext() const;

    QLineEdit* nameEdit() const { return nameEdit_; }
    QCheckBox* colourBox() const { return colourBox_; }
    QCheckBox* singlePatternBox() const { return singlePatternBox_; }

    QPushButton* OKBtn;
    QPushButton* CancelBtn;

  public slots:
    void OKBtn_Click();
    void CancelBtn_Click();

  protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

    QLabel* nameLabel_;
    QLineEdit* nameEdit_;
    QCheckBox* colourBox_;
    QCheckBox* singlePatternBox_ = nullptr;

  private:
    void FormCreate();
    void Form_Activate();
    void nameEdit_Change();
    void openHelp();

    TEditForm& form_;
    const EntryDialogDesign& design_;
    bool nameChanged_ = false;
    bool savedUseColours_ = false;
    bool savedSinglePattern_ = false;
};

// Shows the dialog modally in the given mode, centred over the main window.
void showEntryDialog(EntryDialog& dialog, int tag);
