#pragma once

#include "rtl/Exceptions.h"
#include "vcl/Controls.h"

#include <memory>

enum TCloseAction { caNone, caHide, caFree, caMinimize };
using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;

class TApplication;

// A top-level window with a fixed dialog frame: a caption and a close box only.
class TForm : public TWinControl {
public:
    explicit TForm(TComponent* Owner);
    ~TForm() override;

    void SetCaption(const AnsiString& caption);
    void SetClientSize(int width, int height);
    // The outer frame's position on the screen; may be set before the first show.
    int Left() const;
    int Top() const;
    void SetLeft(int left);
    void SetTop(int top);
    // The control that gets the focus when the window is shown.
    void SetActiveControl(TWinControl* control);
    TWinControl* ActiveControl() const { return activeControl_; }

    void Show();
    void Close();

    TNotifyEvent OnCreate;
    TCloseEvent OnClose;

private:
    friend class TApplication;
    void DoCreate();

    TWinControl* activeControl_ = nullptr;
};

class TApplication : public TComponent {
public:
    // Without a display to show windows on, says so in one line and ends the process.
    TApplication(int& argc, char** argv);
    ~TApplication() override;

    void Initialize();
    // Creates the form, sets the reference, then runs its OnCreate; the first form is the main one.
    template <class TFormClass> void CreateForm(TFormClass*& reference)
    {
        auto* form = new TFormClass(this);
        reference = form;
        AdoptForm(form);
    }
    // Shows the main form and runs the message loop until Terminate; returns the exit code.
    int Run();
    void Terminate();
    bool Terminated() const { return terminated_; }

    const AnsiString& Title() const { return title_; }
    TForm* MainForm() const { return mainForm_; }

    // The error report: the message, with its full stop rule, in a modal error box.
    void ShowException(const Exception& error);

    struct Impl;

private:
    void AdoptForm(TForm* form);

    std::unique_ptr<Impl> impl_;
    AnsiString title_;
    TForm* mainForm_ = nullptr;
    bool terminated_ = false;
};

extern TApplication* Application;
