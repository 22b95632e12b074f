// Placeholder until the solver lands.
