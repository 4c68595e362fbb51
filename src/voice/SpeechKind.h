#pragma once
// What a text handed to the speech service is, which decides who speaks it.

namespace sv {

// Greeting and Assistant: the assistant only. Question and Word: text-to-speech only.
// Either: the assistant when there is one, else text-to-speech.
enum class TSpeechKind { Greeting = 0, Question = 1, Assistant = 2, Word = 3, Either = 4 };

} // namespace sv
