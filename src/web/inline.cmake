# Puts the page's style and script into its HTML, in place of the lines that
# would load them, so that the page is one file:
#   cmake -DPAGE=page.html -DSTYLE=page.css -DSCRIPT=page.js -DOUT=shell.html -P inline.cmake
file(READ ${PAGE} page)
file(READ ${STYLE} style)
file(READ ${SCRIPT} script)
foreach(line IN ITEMS "<link rel=\"stylesheet\" href=\"page.css\">" "<script src=\"page.js\"></script>")
  string(FIND "${page}" "${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${PAGE} lacks the line ${line}")
  endif()
endforeach()
string(REPLACE "<link rel=\"stylesheet\" href=\"page.css\">" "<style>\n${style}</style>" page "${page}")
string(REPLACE "<script src=\"page.js\"></script>" "<script>\n${script}</script>" page "${page}")
file(WRITE ${OUT} "${page}")
