// What the RIB reader yields: requests with their argument values, and
// comments, each with the line and byte offset where it starts.
#ifndef QUILLET_TOOLS_RIBREQUEST_H
#define QUILLET_TOOLS_RIBREQUEST_H

#include <cstddef>
#include <string>
#include <vector>

struct RibValue {
    enum class Kind { Number, String, NumberArray, StringArray };

    Kind kind = Kind::Number;
    // Number: the value; integer is set when its text had no fraction or
    // exponent (binary floats are never integers).
    double number = 0;
    bool integer = false;
    std::string string;
    // NumberArray: the values; integers is set when every element is one.
    std::vector<double> numbers;
    bool integers = true;
    std::vector<std::string> strings;

    bool isNumber() const { return kind == Kind::Number; }
    bool isString() const { return kind == Kind::String; }
    bool isArray() const { return kind == Kind::NumberArray || kind == Kind::StringArray; }
    // Number of elements: 1 for a single value, the length of an array.
    size_t size() const;

    static RibValue makeNumber(double value, bool integer);
    static RibValue makeString(std::string text);
};

// A number of the stream where a request has an integer: any value can
// stand there, so it is saturated at the limits of int (NaN reads as 0).
int saturatedInt(double value);

struct RibRequest {
    enum class Kind { Request, Comment };

    Kind kind = Kind::Request;
    // Request: the keyword. Comment: the text after the first '#'.
    std::string keyword;
    std::vector<RibValue> args;
    size_t line = 0;    // 1-based
    size_t offset = 0;  // 0-based byte offset of the keyword or '#'
};

struct RibError {
    size_t line = 0;
    size_t offset = 0;
    std::string message;
};

#endif
