#pragma once
// A top-level form: its layout is data (client size in twips, caption,
// border buttons); its events are member functions.
#include <string>

#include "runtime/Window.h"

namespace rt {

constexpr int kTwipsPerPixel = 15;
inline int twipsToPixels(int twips) { return twips / kTwipsPerPixel; }

struct FormLayout {
    std::wstring caption;
    int clientWidthTwips = 0;
    int clientHeightTwips = 0;
    bool maxButton = true;
    bool minButton = true;
    bool centreOnScreen = true;
    HICON icon = nullptr;
};

class Form : public Window {
public:
    explicit Form(FormLayout layout);
    ~Form() override;

    // Creates the window and runs Form_Load (once); the window stays hidden.
    void Load();
    // Loads when needed, then shows the window modeless.
    void Show();
    // Runs Form_Unload and destroys the window unless the event cancels.
    void Unload();
    bool isLoaded() const { return hwnd() != nullptr; }

    std::wstring caption() const;
    void setCaption(const std::wstring& text);

    // Forms currently loaded in this process; the message loop ends with the last.
    static int loadedForms();

protected:
    virtual void Form_Load() {}
    virtual void Form_Unload(int& cancel) {}

    LRESULT onMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void onDestroyed() override;

    const FormLayout& layout() const { return layout_; }

private:
    void createFromLayout();

    FormLayout layout_;
    bool unloading_ = false;
};

}  // namespace rt
