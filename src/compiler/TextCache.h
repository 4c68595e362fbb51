#pragma once
// The scripture text a build asked for, kept as files so that a later build (the question
// editor's rebuild in the running program) needs no Bible module. Each answer of the
// scripture source is one file of the cache folder, named after the question asked.

#include "compiler/Compiler.h"

#include <string>

namespace sv::content {

// The file of the cache folder that holds the answer to one question of the scripture source.
std::string TextCacheFile(const std::string& dir, const std::string& module, const std::string& key,
                          const std::string& format, const std::string& options);

// Asks inner and keeps every answer in dir (created when missing). Throws EFileError
// "Cannot create file " + path when an answer cannot be written.
TScriptureSource RecordingSource(TScriptureSource inner, std::string dir);

// Answers from dir; what the folder does not hold is asked of fallback.
TScriptureSource CachedSource(std::string dir, TScriptureSource fallback);

} // namespace sv::content
