#pragma once

namespace brelvon {

// Standard output as a program that writes UTF-8 bytes needs it on Windows,
// for as long as the object lives: standard output and error in binary mode,
// so that "\r\n" stays "\r\n" instead of becoming "\r\r\n" (the program
// writes its own line ends), and, when standard output is a
// console, with the console reading the bytes as UTF-8 rather than in the
// OEM code page ("Utilisé" instead of "Utilis├®"). The console's previous
// code page is restored when the object goes, since the console outlives the
// program. Output to a file or a pipe gets the UTF-8 bytes unchanged.
class Utf8StandardOutput {
public:
    Utf8StandardOutput();
    ~Utf8StandardOutput();
    Utf8StandardOutput(const Utf8StandardOutput&) = delete;
    Utf8StandardOutput& operator=(const Utf8StandardOutput&) = delete;

private:
    unsigned int previousCodePage_ = 0;  // 0: the code page was not changed
};

}  // namespace brelvon
