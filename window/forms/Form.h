// A small forms layer over Win32: a window built from a description written as
// data, with Load and Click raised to the form's handlers.
//
// Every form is a fixed dialog: a caption with a close box and no minimise or
// maximise box, centred on the screen, with no taskbar button. Positions and
// sizes are in twips and follow the window's DPI.
#pragma once

#include "Colors.h"

#include <windows.h>

#include <span>

namespace forms {

enum class ControlKind { CommandButton, Label };

struct TwipRect {
    int left, top, width, height;
};

constexpr Color kSystemTextColor = 0xFFFFFFFF;

struct ControlDescription {
    ControlKind kind;
    int id;
    const wchar_t* caption;
    TwipRect bounds;
    bool isDefault = false;  // a button that Enter presses
    const wchar_t* toolTip = nullptr;
    bool centred = false;  // a label's text alignment
    Color foreColor = kSystemTextColor;
};

struct FontDescription {
    const wchar_t* name;
    int points;
    int weight;
    BYTE charSet;
};

struct FormDescription {
    const wchar_t* caption;
    int clientWidth, clientHeight;  // twips
    FontDescription font;
    int iconId;
    std::span<const ControlDescription> controls;
};

// Owns one GDI font and deletes it when replaced or destroyed.
class Font {
public:
    Font() = default;
    ~Font() { Reset(); }
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    HFONT Get() const { return font_; }
    void Reset(HFONT font = nullptr)
    {
        if (font_ != nullptr)
            DeleteObject(font_);
        font_ = font;
    }

private:
    HFONT font_ = nullptr;
};

class Form {
public:
    explicit Form(const FormDescription& description);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Creates the window, raises Load, then shows it with the focus on its
    // first control. False if the window could not be created.
    bool Load();
    // Destroys the window; when no form is left, the message loop ends.
    void Unload();
    HWND Handle() const { return window_; }

protected:
    virtual void Form_Load() {}
    virtual void Click(int controlId) { (void)controlId; }
    void SetCaption(int controlId, const wchar_t* caption);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool OnCreate();
    void OnCommand(int controlId, int notification);
    LRESULT OnCtlColorStatic(HDC dc, HWND control);
    void OnDpiChanged(int dpi, const RECT& suggested);
    void OnNcDestroy();
    bool CreateControls();
    void AttachToolTips();
    void ApplyDpi(int dpi);
    void SizeAndCentre();
    const ControlDescription* DescriptionOf(HWND control) const;
    const ControlDescription* DefaultButton() const;

    const FormDescription& description_;
    HWND owner_ = nullptr;  // hidden: an owned window gets no taskbar button
    HWND window_ = nullptr;
    HWND toolTips_ = nullptr;
    HWND focus_ = nullptr;  // the control to give the focus back to
    Font font_;
    int dpi_ = USER_DEFAULT_SCREEN_DPI;
    bool highContrast_ = false;
};

// Runs the message loop until no form is left; returns the exit code.
int RunMessageLoop();

}  // namespace forms
