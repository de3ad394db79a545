#include "win/prompts.h"

#include "win/program_identity.h"

namespace tessera::win {
namespace {

HWND applicationWindow = nullptr;
Prompter* installedPrompter = nullptr;

// The box comes up in front: the active window (else the application window) is raised
// first, so that the box is not hidden behind another of the program's windows.
class MessageBoxPrompter : public Prompter {
public:
    int Show(const PromptRequest& request) override {
        HWND front = GetActiveWindow();
        if (!front) front = ApplicationWindow();
        if (front) SetWindowPos(front, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        return MessageBoxW(request.owner, request.text.c_str(), request.caption.c_str(),
                           request.style);
    }
};

int Ask(std::wstring_view text, UINT buttons, std::wstring_view caption, UINT extraStyle) {
    return CurrentPrompter().Show(MakePromptRequest(text, buttons, caption, extraStyle));
}

int SafeAnswer(UINT style) {
    switch (style & MB_TYPEMASK) {
        case MB_YESNO: return IDNO;
        case MB_YESNOCANCEL: return IDCANCEL;
        default: return IDOK;
    }
}

}  // namespace

void SetApplicationWindow(HWND window) { applicationWindow = window; }
HWND ApplicationWindow() { return applicationWindow; }

PromptRequest MakePromptRequest(std::wstring_view text, UINT buttons, std::wstring_view caption,
                                UINT extraStyle) {
    PromptRequest request;
    request.text = text;
    request.caption = caption.empty() ? ProgramTitle() : std::wstring(caption);
    request.style = buttons | MB_SETFOREGROUND | extraStyle;
    request.owner = ApplicationWindow();
    return request;
}

Prompter& CurrentPrompter() {
    static MessageBoxPrompter platform;
    return installedPrompter ? *installedPrompter : platform;
}

void ShowInfo(std::wstring_view text) { Ask(text, MB_OK, {}, 0); }

int AskYesNo(std::wstring_view text, std::wstring_view caption, UINT extraStyle) {
    return Ask(text, MB_YESNO, caption, extraStyle);
}

int AskYesNoCancel(std::wstring_view text, std::wstring_view caption, UINT extraStyle) {
    return Ask(text, MB_YESNOCANCEL, caption, extraStyle);
}

ScopedPrompter::ScopedPrompter(Prompter& prompter) : previous_(installedPrompter) {
    installedPrompter = &prompter;
}

ScopedPrompter::~ScopedPrompter() { installedPrompter = previous_; }

int ScriptedPrompter::Show(const PromptRequest& request) {
    shown_.push_back(request);
    if ((request.style & MB_TYPEMASK) == MB_OK || answers_.empty())
        return SafeAnswer(request.style);
    const int answer = answers_.front();
    answers_.pop_front();
    return answer;
}

}  // namespace tessera::win
