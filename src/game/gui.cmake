# The game's windows: set-up, board, question window, wager and wall of fame.
target_sources(sv_gui PRIVATE
  GameContext.h
  GameAsker.h GameAsker.cpp
  GameForm.h GameForm.cpp
  Wager.h Wager.cpp
  WallFame.h WallFame.cpp
  GameDlg.h GameDlg.cpp
  GameCommands.h GameCommands.cpp
)
