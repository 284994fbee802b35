// Built-in functions.
