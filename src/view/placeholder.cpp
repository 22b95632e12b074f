// Placeholder until the view lands.
