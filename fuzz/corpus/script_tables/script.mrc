; a script with two tables and an alias
alias opendlg { dialog -m first first }
dialog first {
  title "First"
  size -1 -1 100 50
  button "OK", 1, 5 5 40 12, ok
}
dialog	-l	second	{
  title "Second"
}
on *:dialog:first:init:0:{ echo -a hello }
dialog third
{
}
