// Short help texts shown in a pop-up by context number: 11 to 14 explain the
// readout groups of the main window. Dialogs add their own numbers here.
#pragma once

#include <QString>

// The text of a help topic, or an empty string for a number without a topic.
QString helpTopic(int context);
