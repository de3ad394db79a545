#pragma once
// The program's message boxes, behind a seam: the default shows MessageBoxW owned by the
// application window; tests install a scripted prompter that records what was shown.
#include <windows.h>

#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace tessera::win {

// The window that owns message boxes (the main window sets itself here).
void SetApplicationWindow(HWND window);
HWND ApplicationWindow();

// One message box as it is shown.
struct PromptRequest {
    std::wstring text;
    std::wstring caption;
    UINT style = 0;
    HWND owner = nullptr;
    friend bool operator==(const PromptRequest&, const PromptRequest&) = default;
};

// The box for the buttons (MB_OK, MB_YESNO, MB_YESNOCANCEL): owner ApplicationWindow(),
// caption ProgramTitle() unless one is given, style buttons | MB_SETFOREGROUND | extra.
PromptRequest MakePromptRequest(std::wstring_view text, UINT buttons, std::wstring_view caption,
                                UINT extraStyle);

class Prompter {
public:
    virtual ~Prompter() = default;
    virtual int Show(const PromptRequest& request) = 0;  // the button id chosen
};

// Shows the boxes (an empty caption means ProgramTitle()).
void ShowInfo(std::wstring_view text);
int AskYesNo(std::wstring_view text, std::wstring_view caption = {}, UINT extraStyle = 0);
int AskYesNoCancel(std::wstring_view text, std::wstring_view caption = {}, UINT extraStyle = 0);

// The prompter the boxes go through now.
Prompter& CurrentPrompter();

// Installs a prompter for its lifetime and restores the previous one.
class ScopedPrompter {
public:
    explicit ScopedPrompter(Prompter& prompter);
    ScopedPrompter(const ScopedPrompter&) = delete;
    ScopedPrompter& operator=(const ScopedPrompter&) = delete;
    ~ScopedPrompter();

private:
    Prompter* previous_;
};

// Records every box and answers the questions from a script; an MB_OK box is answered
// IDOK without using the script, and when the script is used up a question gets its safe
// answer (IDNO or IDCANCEL).
class ScriptedPrompter : public Prompter {
public:
    explicit ScriptedPrompter(std::initializer_list<int> answers = {}) : answers_(answers) {}
    void Answer(int id) { answers_.push_back(id); }
    int Show(const PromptRequest& request) override;
    const std::vector<PromptRequest>& Shown() const { return shown_; }
    std::size_t Unanswered() const { return answers_.size(); }

private:
    std::deque<int> answers_;
    std::vector<PromptRequest> shown_;
};

}  // namespace tessera::win
