# Turns the source catalogue IN into the pseudo-translation OUT: every text
# becomes [[text]], placeholders included, so that a text that escapes
# translation, or is looked up under another context, shows in the result.
file(READ ${IN} ts)
string(REGEX REPLACE "<source>([^<]*)</source>([ \n]*)<translation type=\"unfinished\"></translation>"
       "<source>\\1</source>\\2<translation>[[\\1]]</translation>" ts "${ts}")
if(ts MATCHES "type=\"unfinished\"")
  message(FATAL_ERROR "${IN} holds a message this script cannot translate")
endif()
file(WRITE ${OUT} "${ts}")
