#pragma once

class ScriptMachine;

// A node of a download script's parse tree. A node owns its children and
// deletes them with itself.
class Node
{
public:
    Node() = default;
    Node(const Node&) = delete;
    Node& operator=(const Node&) = delete;
    virtual ~Node() = default;

    // Runs the node. The result matters only to the nodes that test it: if,
    // negation and sequence.
    virtual bool execute(ScriptMachine& aMachine) = 0;
};
