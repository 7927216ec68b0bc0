# Joins text files into one that Windows' Notepad shows rightly whatever its age: UTF-8
# with a byte-order mark, lines ended by CR LF.
#   cmake -DINPUTS="a;b" -DOUTPUT=c -P windows_text.cmake
set(text "")
foreach(input ${INPUTS})
  file(READ ${input} part)
  string(APPEND text "${part}")
endforeach()
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
string(ASCII 239 187 191 bom)
file(WRITE ${OUTPUT} "${bom}${text}")
