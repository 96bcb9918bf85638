# SPDX-License-Identifier: GPL-2.0-or-later
# Writes the page folder PAGE as one file OUT: the style sheet and every
# script of index.html put in place of the tags that name them.
# Usage: cmake -DPAGE=DIR -DOUT=FILE -P inline-page.cmake
file(READ ${PAGE}/index.html html)
string(REGEX MATCHALL "<script src=\"[^\"]+\"></script>" scripts "${html}")
foreach(tag IN LISTS scripts)
  string(REGEX REPLACE "<script src=\"([^\"]+)\"></script>" "\\1" name "${tag}")
  file(READ ${PAGE}/${name} script)
  # A script may not hold the tag that would end it early.
  string(FIND "${script}" "</script" ending)
  if(NOT ending EQUAL -1)
    message(FATAL_ERROR "${name} holds \"</script\": it cannot be put inside the page")
  endif()
  string(REPLACE "${tag}" "<script>\n${script}</script>" html "${html}")
endforeach()
file(READ ${PAGE}/page.css style)
string(REPLACE "<link rel=\"stylesheet\" href=\"page.css\">" "<style>\n${style}</style>" html "${html}")
file(WRITE ${OUT} "${html}")
