# Copies the shipped data folder into the program folder. Placeholder files that keep empty
# folders in the repository are not part of the program.
file(COPY ${SRC}/ DESTINATION ${DST} PATTERN ".gitkeep" EXCLUDE)
