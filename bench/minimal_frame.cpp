// The toolkit's floor for the window's start-up: a program that shows one frame with one
// button and nothing else, built the same way as tessarin, to measure tessarin's time to its
// first window against.
#include <wx/button.h>
#include <wx/frame.h>
#include <wx/wx.h>

class MinimalApp : public wxApp {
  public:
    bool OnInit() override {
        auto* frame = new wxFrame(nullptr, wxID_ANY, "minimal");
        new wxButton(frame, wxID_ANY, "Button");
        frame->Show();
        return true;
    }
};

wxIMPLEMENT_APP(MinimalApp);
