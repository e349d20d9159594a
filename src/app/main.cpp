// Quarnel: a steering panel for ships in the Ultima Online client.
#include <windows.h>

#include "app/single_instance.h"
#include "controls/buffered_paint.h"
#include "controls/gdip_objects.h"
#include "toolkit/application.h"
#include "ui/unit1.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    if (quarnel::AnotherInstanceRuns()) {
        quarnel::SignalRunningInstance();
        return 0;
    }
    toolkit::Application& application = toolkit::Application::Instance();
    application.SetTitle(L"[QUARN] Quarnel");
    application.Initialize();
    // Pictures of the glass buttons are drawn through GDI+; it runs until the form is gone.
    quarnel::gdip::EngineSession gdiplus;
    // The glass buttons paint through buffers; the session outlives the last paint.
    const quarnel::BufferedPaintSession bufferedPaint;
    {
        quarnel::TForm1 form;
        if (!toolkit::Guarded([&] { form.CreateAndShow(); }))
            return 0;
        application.Run();
    }
    return 0;
}
