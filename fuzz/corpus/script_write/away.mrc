; Away system 2.1 - sets you away with a message and logs what you missed
; load with /load -rs away.mrc

alias away { dialog -m away away }
alias awaylog { dialog -m awaylog awaylog }

dialog away {
  title "Away System"
  size -1 -1 160 90
  option dbu
  box "Message", 3, 2 1 156 30
  edit "", 1, 5 10 150 10, autohs
  check "Tell every channel", 4, 5 21 80 8
  radio "Beep", 5, 5 35 40 10, group
  radio "Flash", 6, 50 35 40 10
  button "Set away", 2, 5 70 40 12, ok
  button "Cancel", 7, 50 70 40 12, cancel
}

Dialog -l AwayLog {
  title "Log"
  size -1 -1 160 100
  option dbu
  list 1, 5 5 150 80, size
  button "Close", 2, 5 85 40 12, cancel
  }

on *:dialog:away:init:0: { did -a away 1 $iif(%away.msg,$v1,Gone) }
on *:dialog:away:sclick:2: {
  set %away.msg $did(away,1)
  away %away.msg
  if ($did(away,4).state) amsg is away: %away.msg
}
on *:dialog:awaylog:init:0: { loadbuf -o awaylog 1 away.log }
