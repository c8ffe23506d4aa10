// Reads a RIB stream held in memory: ASCII requests, strings with their
// escapes, numbers, arrays and comments, and the binary encoding's tokens
// (numbers, strings, float arrays, encoded requests and strings). Malformed
// input gives one error with its position; the reader then drops the
// request in hand and goes on at the next request keyword.
#ifndef QUILLET_TOOLS_RIBREADER_H
#define QUILLET_TOOLS_RIBREADER_H

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>

#include "RibRequest.h"

class RibReader {
public:
    using ErrorHandler = std::function<void(const RibError &)>;

    RibReader(std::string data, ErrorHandler onError);

    // The next request or comment; false at the end of the stream.
    bool next(RibRequest &item);
    size_t errorCount() const { return errors; }

private:
    enum class Tok { End, Keyword, Number, String, FloatArray, Open, Close, Comment, Bad };
    struct Token {
        Tok kind = Tok::End;
        size_t offset = 0;
        size_t line = 0;
        std::string text;
        double number = 0;
        bool integer = false;
        std::vector<double> numbers;
    };

    Token &peek();
    Token take();
    Token scan();
    void scanString(Token &t);
    void scanNumber(Token &t);
    void scanBinary(Token &t);
    bool need(size_t count, Token &t);
    uint64_t readUnsigned(size_t bytes);
    bool scanEncodedString(std::string &out, Token &t);
    Token fail(Token &t, const std::string &message);
    bool readArray(RibValue &value, const Token &open);
    void report(size_t line, size_t offset, const std::string &message);
    void resync();
    // The comment item of a comment token (its text is moved out).
    static RibRequest commentOf(Token &t);

    std::string data;
    size_t pos = 0;
    size_t line = 1;
    bool havePeek = false;
    Token peeked;
    bool quiet = false;  // set while skipping to the next keyword
    size_t errors = 0;
    ErrorHandler onError;
    std::deque<RibRequest> pendingComments;
    std::map<unsigned, std::string> encodedRequests;
    std::map<unsigned, std::string> encodedStrings;
};

// "<source>:<line>: byte <offset>: <message>"
std::string formatRibError(const std::string &source, const RibError &error);

// Reads a whole file, or the standard input for "-". False with a message
// in error when it cannot be read.
bool readRibInput(const std::string &path, std::string &data, std::string &error);

#endif
