#include "settings_file.h"

#include <cstdio>

#include "settings_text.h"

bool ReadSettingsCommands(const char* path, SettingsCommandSink sink, void* context) {
    std::FILE* file = std::fopen(path, "rb");
    if (!file) return false;
    SettingsLineCollector collector;
    int c;
    while ((c = std::fgetc(file)) != EOF) {
        if (collector.Take(static_cast<char>(c))) sink(collector.Line(), context);
    }
    std::fclose(file);
    return true;
}

bool SaveFileReplacing(const char* path, const char* tempPath, const char* bytes, size_t size, ReplaceFileFn replace) {
    std::FILE* file = std::fopen(tempPath, "wb");
    if (!file) return false;
    bool written = std::fwrite(bytes, 1, size, file) == size;
    written = std::fflush(file) == 0 && written;
    written = std::fclose(file) == 0 && written;
    if (written && replace(tempPath, path)) return true;
    std::remove(tempPath);
    return false;
}

bool SaveSettingsFile(const char* path, const char* tempPath, const TaskRecord& settings, const ViewFlags& view,
                      ReplaceFileFn replace) {
    char text[kSettingsTextCapacity + 1];
    const size_t size = WriteSettingsText(settings, view, text, kSettingsTextCapacity);
    if (size == 0) return false;
    return SaveFileReplacing(path, tempPath, text, size, replace);
}
