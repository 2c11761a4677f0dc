# Copies a text file with Windows line ends (CR LF), as Notepad and every Windows user expect them.
# Usage: cmake -DIN=<text file> -DOUT=<copy> -P crlf_text.cmake
file(READ "${IN}" text)  # reads CR LF as LF
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE "${OUT}" "${text}")
