// Marks a text of the engine's tables for the translators' tool (lupdate, which reads it as
// QT_TRANSLATE_NOOP) without needing Qt: the text stays as it is here, and the windows
// translate it where they show it, in the context named.
#pragma once

#define TESSARO_TRANSLATE_NOOP(context, text) text
