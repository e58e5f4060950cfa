# A Tk text widget that writes its whole text to FILE once it is idle after a change. Tk waits
# for a paste in an event loop of its own, which handles the keys behind the paste key meanwhile.
# Run as: wish tk_sink.tcl FILE
wm title . "Keyloom Tk sink"
text .text -width 90 -height 20
pack .text -fill both -expand 1
focus .text
set path [lindex $argv 0]

proc save {} {
  global path
  set out [open $path.tmp w]
  fconfigure $out -encoding utf-8
  puts -nonewline $out [.text get 1.0 end-1c]
  close $out
  file rename -force $path.tmp $path
  # The next change raises <<Modified>> again.
  .text edit modified 0
}
bind .text <<Modified>> {after cancel save; after idle save}
save
