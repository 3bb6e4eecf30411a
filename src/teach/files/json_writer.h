#pragma once

#include <string>
#include <string_view>

// Writes JSON as it goes: objects, arrays, keys and values, with the commas between them and
// strings escaped.
class JsonWriter {
  public:
    JsonWriter& beginObject() { return open('{'); }
    JsonWriter& endObject() { return close('}'); }
    JsonWriter& beginArray() { return open('['); }
    JsonWriter& endArray() { return close(']'); }
    JsonWriter& key(std::string_view name);
    JsonWriter& value(std::string_view text);
    JsonWriter& value(const char* text) { return value(std::string_view(text)); }
    JsonWriter& value(bool truth) { return raw(truth ? "true" : "false"); }
    JsonWriter& value(int number) { return raw(std::to_string(number)); }
    // In the shortest text that reads back as the same float.
    JsonWriter& value(double number);
    JsonWriter& null() { return raw("null"); }
    // A value written already, as JSON.
    JsonWriter& raw(std::string_view json);

    const std::string& text() const { return out; }

  private:
    JsonWriter& open(char bracket);
    JsonWriter& close(char bracket);
    void separate();

    std::string out;
    bool afterValue = false;
};

// A text as a JSON string, quoted and escaped.
std::string jsonString(std::string_view text);
