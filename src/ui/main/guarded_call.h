#pragma once
// The default error display of the window program: a handler whose work fails shows the message
// of the failure in a message box and ends; nothing escapes into the event loop.
#include "ui/common/message_box.h"
#include "ui/common/text_convert.h"

#include <exception>

template <class Work>
void RunGuarded(QWidget* parent, Work&& work)
{
    try {
        work();
    }
    catch (const std::exception& error) {
        ShowMessage(parent, ToQt(error.what()));
    }
}
